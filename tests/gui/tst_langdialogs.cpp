#include "gui/common/DialogService.h"
#include "gui/common/LangDialogs.h"
#include "gui/common/LangText.h"
#include "gui/common/PaintGradient.h"
#include "support/GuiTestMain.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

using namespace vantorim::common;
using vantorim::app::lgDutch;
using vantorim::app::lgEnglish;
using vantorim::app::lgFrench;
using vantorim::app::lgGerman;
using vantorim::app::lgSpanish;

namespace {

// Runs `action` on the modal dialog that the next exec() opens.
void whenModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* w = QApplication::activeModalWidget();
    QVERIFY(w);
    action(w);
  });
}

QPushButton* buttonNamed(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }

}  // namespace

class LangDialogsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void warningYesNoInEnglish() {
    TMessageForm form("Delete the files?", mtWarning, {mbYes, mbNo}, lgEnglish);
    QCOMPARE(form.windowTitle(), QString("Warning"));
    QCOMPARE(form.button(mbYes)->text(), QString("&Yes"));
    QCOMPARE(form.button(mbNo)->text(), QString("&No"));
    QCOMPARE(form.button(mbYes)->objectName(), QString("Yes"));
    QVERIFY(!form.button(mbOK));
    QCOMPARE(form.defaultButton(), form.button(mbYes));
    QVERIFY(form.button(mbYes)->isDefault());
    QCOMPARE(form.cancelButton(), form.button(mbNo));
    QVERIFY(form.findChild<QLabel*>("Image"));
    QCOMPARE(form.messageLabel()->objectName(), QString("Message"));
    // Yes left of No, the row centred.
    const QRect yes = form.button(mbYes)->geometry(), no = form.button(mbNo)->geometry();
    QVERIFY(yes.right() < no.left());
    QCOMPARE(yes.left(), form.width() - 1 - no.right());
  }

  void sameMessageInGerman() {
    TMessageForm form("x", mtWarning, {mbYes, mbNo}, lgGerman);
    QCOMPARE(form.windowTitle(), QString("Warnung"));
    QCOMPARE(form.button(mbYes)->text(), QString("&Ja"));
    QCOMPARE(form.button(mbNo)->text(), QString("&Nein"));
  }

  void resultsOfKeysButtonsAndCloseBox() {
    struct Case {
      TMsgDlgButtons buttons;
      int key;  // 0: close box
      int expected;
    } cases[] = {
        {{mbYes, mbNo}, Qt::Key_Return, mrYes},
        {{mbYes, mbNo}, Qt::Key_Escape, mrNo},
        {{mbYes, mbNo}, 0, mrCancel},
        {{mbOK}, Qt::Key_Return, mrOk},
        {{mbOK}, Qt::Key_Escape, mrOk},  // OK is default and cancel button
        {{mbOK, mbCancel}, Qt::Key_Escape, mrCancel},
        {{mbYes, mbNo, mbCancel}, Qt::Key_Escape, mrCancel},
        {{mbAbort, mbRetry, mbIgnore}, Qt::Key_Return, mrRetry},
    };
    for (const Case& c : cases) {
      TMessageForm form("x", mtConfirmation, c.buttons, lgEnglish);
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      if (c.key)
        QTest::keyClick(&form, static_cast<Qt::Key>(c.key));
      else
        form.close();
      QCOMPARE(form.result(), c.expected);
    }
  }

  void everyButtonGivesItsModalResult() {
    const int expected[kButtonCount] = {6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0};
    for (int b = 0; b < kButtonCount; ++b) {
      QCOMPARE(modalResultOf(static_cast<TMsgDlgBtn>(b)), expected[b]);
      if (b == mbHelp) continue;
      TMessageForm form("x", mtInformation, {static_cast<TMsgDlgBtn>(b)}, lgGerman);
      form.show();
      form.button(static_cast<TMsgDlgBtn>(b))->click();
      QCOMPARE(form.result(), expected[b]);
    }
  }

  void defaultAndCancelRules() {
    QCOMPARE(defaultButtonOf({mbYes, mbNo, mbOK}), int(mbOK));
    QCOMPARE(defaultButtonOf({mbNo, mbRetry}), int(mbRetry));
    QCOMPARE(defaultButtonOf({mbNo, mbCancel}), -1);
    QCOMPARE(cancelButtonOf({mbYes, mbNo, mbCancel}), int(mbCancel));
    QCOMPARE(cancelButtonOf({mbOK, mbYes}), int(mbOK));
    QCOMPARE(cancelButtonOf({mbAbort}), -1);
  }

  void captionsAndTitlesInAllFiveLanguages() {
    struct Case {
      vantorim::app::TLanguage language;
      TMsgDlgBtn button;
      const char* caption;
      TMsgDlgType type;
      const char* title;
    } cases[] = {
        {lgGerman, mbYesToAll, "A&lle Ja", mtConfirmation, "Bestätigung"},
        {lgEnglish, mbYesToAll, "Yes To A&ll", mtConfirmation, "Confirm"},
        {lgDutch, mbCancel, "Beëindigen", mtWarning, "Let op"},
        {lgSpanish, mbHelp, "&Ayuda", mtInformation, "Información"},
        {lgFrench, mbHelp, "&L`aide", mtError, "Erreur"},
        {lgGerman, mbCancel, "Abbrechen", mtError, "Fehler"},
        {lgEnglish, mbCancel, "Abort", mtInformation, "Information"},
        {lgGerman, mbNoToAll, "&Alle Nein", mtWarning, "Warnung"},
        {lgFrench, mbYesToAll, "T&out Oui", mtInformation, "Informations"},
    };
    for (const Case& c : cases) {
      QCOMPARE(buttonCaption(c.button, c.language), QString::fromUtf8(c.caption));
      QCOMPARE(dialogTitle(c.type, c.language), QString::fromUtf8(c.title));
    }
    TMessageForm custom("x", mtCustom, {mbOK}, lgGerman);
    QCOMPARE(custom.windowTitle(), QApplication::applicationName());
    QVERIFY(!custom.findChild<QLabel*>("Image"));
  }

  void sizeFollowsTheAverageCharacterRule() {
    TMessageForm form("short", mtInformation, {mbOK}, lgEnglish);
    const QFontMetrics fm(form.font());
    const int cx = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
    const int cy = fm.height();
    const auto mulDiv = [](int a, int b, int c) { return int(std::lround(double(a) * b / c)); };
    QCOMPARE(form.button(mbOK)->height(), mulDiv(14, cy, 8));
    QVERIFY(form.button(mbOK)->width() >= mulDiv(50, cx, 4));
    QCOMPARE(form.findChild<QLabel*>("Image")->geometry(), QRect(mulDiv(8, cx, 4), mulDiv(8, cy, 8), 32, 32));
    QCOMPARE(form.button(mbOK)->y(), std::max(32, form.messageLabel()->height()) + mulDiv(8, cy, 8) + mulDiv(10, cy, 8));
    // A long text wraps at half the screen width.
    TMessageForm wide(QString("word ").repeated(400), mtInformation, {mbOK}, lgEnglish);
    QVERIFY(wide.width() <= form.screen()->availableGeometry().width() / 2 + 200);
  }

  void serviceRunsTheRealMessageBox() {
    whenModal([](QWidget* w) { buttonNamed(w, "No")->click(); });
    QCOMPARE(LangMessageDlg("Quit?", mtConfirmation, {mbYes, mbNo}, lgGerman), int(mrNo));
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    QCOMPARE(LangMessageDlgPos("Quit?", mtConfirmation, {mbYes, mbNo}, {}, -1, -1, lgGerman), int(mrYes));
  }

  void inputKeeps255Characters() {
    TQueryForm form("Caption", "Prompt", "start", lgGerman);
    QCOMPARE(form.windowTitle(), QString("Caption"));
    QCOMPARE(form.edit()->maxLength(), 255);
    QCOMPARE(form.edit()->selectedText(), QString("start"));
    QCOMPARE(form.cancelButton()->text(), QString("Abbrechen"));
    QCOMPARE(form.okButton()->text(), QString("OK"));
    form.show();
    QTest::keyClicks(form.edit(), QString(300, 'x'));
    QCOMPARE(form.edit()->text().size(), 255);

    QString value = "old";
    whenModal([](QWidget* w) {
      auto* edit = w->findChild<QLineEdit*>("Edit");
      edit->selectAll();
      QTest::keyClicks(edit, QString(300, 'y'));
      buttonNamed(w, "OK")->click();
    });
    QVERIFY(LangInputQuery("C", "P", value, lgEnglish));
    QCOMPARE(value, QString(255, 'y'));
    whenModal([](QWidget* w) {
      QCOMPARE(buttonNamed(w, "Cancel")->text(), QString("Abort"));
      QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), "zzz");
      QTest::keyClick(w, Qt::Key_Escape);
    });
    QVERIFY(!LangInputQuery("C", "P", value, lgEnglish));
    QCOMPARE(value, QString(255, 'y'));
  }

  void folderPickerResults() {
    QTemporaryDir tmp;
    const QString start = QDir(tmp.path()).filePath("Fotos/2005");
    QDir().mkpath(start);
    {
      TSelectDirDlg dlg(start, "Select Directory", "Please select", lgGerman);
      QCOMPARE(dlg.size(), QSize(280, 320));
      QCOMPARE(dlg.abortButton()->text(), QString("&Abbrechen"));
      QCOMPARE(dlg.okButton()->text(), QString("OK"));
      QVERIFY(dlg.noButton()->text().isEmpty());
      QCOMPARE(dlg.noButton()->geometry(), QRect(125, 285, 30, 25));
      QCOMPARE(dlg.selectedFolder(), start + "/");
    }
    {
      TSelectDirDlg english(start, "Select Directory", "Please select", lgEnglish);
      QCOMPARE(english.abortButton()->text(), QString("&Abort"));
      // A start folder that cannot be shown falls back to the current folder.
      TSelectDirDlg missing(tmp.path() + "/none/here", "c", "p", lgEnglish);
      QCOMPARE(missing.selectedFolder(), QDir::currentPath() + (QDir::currentPath() == "/" ? "" : "/"));
    }
    QString folder = start;
    whenModal([](QWidget* w) { buttonNamed(w, "OKButton")->click(); });
    QCOMPARE(LangSelectDirectory(folder, "c", "p", lgGerman), int(mrOk));
    QCOMPARE(folder, start + "/");
    whenModal([](QWidget* w) { buttonNamed(w, "AbortButton")->click(); });
    QCOMPARE(LangSelectDirectory(folder, "c", "p", lgGerman), int(mrAbort));
    QCOMPARE(folder, start + "/");
    whenModal([](QWidget* w) { w->close(); });
    QCOMPARE(LangSelectDirectory(folder, "c", "p", lgGerman), int(mrAbort));
    QCOMPARE(folder, start + "/");
    whenModal([](QWidget* w) { buttonNamed(w, "NoButton")->click(); });
    QCOMPARE(LangSelectDirectory(folder, "c", "p", lgGerman), int(mrNo));
    QVERIFY(folder.isEmpty());
  }

  void gradientFollowsTheSegmentRule() {
    const QColor white(255, 255, 255), silver(192, 192, 192);
    QCOMPARE(gradientColorAt(100, 1, {white, silver}, 0), white);
    QCOMPARE(gradientColorAt(100, 1, {white, silver}, 99), silver);
    QCOMPARE(gradientColorAt(100, 1, {white, silver}, 50).red(), 223);  // trunc(255 - 63 * 50 / 99)
    // L = 10, n = 4: s = 2 (2.5 to the even neighbour), last segment e = 3.
    const QList<QColor> five = {QColor(0, 0, 0), QColor(100, 0, 0), QColor(200, 0, 0), QColor(0, 100, 0), QColor(0, 0, 90)};
    QCOMPARE(gradientColorAt(10, 4, five, 2), QColor(100, 0, 0));
    QCOMPARE(gradientColorAt(10, 4, five, 1), QColor(50, 0, 0));
    QCOMPARE(gradientColorAt(10, 4, five, 6), QColor(0, 100, 0));
    QCOMPARE(gradientColorAt(10, 4, five, 7), QColor(0, 66, 30));
    QCOMPARE(gradientColorAt(10, 4, five, 9), QColor(0, 0, 90));
    // L = 14, n = 4: s = 4 (3.5 to the even neighbour).
    QCOMPARE(gradientColorAt(14, 4, five, 11), QColor(50, 75, 0));
    // Painted pixels equal the rule; the painter's pen is restored.
    QImage img(60, 8, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const QPen before(QColor(1, 2, 3), 3, Qt::DashLine);
    p.setPen(before);
    PaintGradient(p, img.rect(), true, 1, {white, silver});
    QCOMPARE(p.pen(), before);
    p.end();
    for (int x = 0; x < 60; ++x) QCOMPARE(QColor(img.pixel(x, 4)), gradientColorAt(60, 1, {white, silver}, x));
    // Along y: horizontal lines.
    QImage tall(4, 30, QImage::Format_RGB32);
    QPainter q(&tall);
    PaintGradient(q, tall.rect(), false, 2, {white, silver, white});
    q.end();
    QCOMPARE(QColor(tall.pixel(2, 15)), silver);
    QCOMPARE(QColor(tall.pixel(0, 29)), white);
  }

  void gradientNeedsTwoColours() {
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter p(&img);
    try {
      PaintGradient(p, img.rect(), true, 0, {Qt::white});
      QFAIL("no error");
    } catch (const GradientError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromUtf8("Es müssen mindestens zwei Farben angegeben werden."));
    }
  }

  void yellowFrameRings() {
    QImage img(283, 229, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PaintYellowFrame(p, img.rect());
    p.end();
    QCOMPARE(QColor(img.pixel(0, 0)), QColor(255, 255, 0));
    QCOMPARE(QColor(img.pixel(282, 228)), QColor(255, 255, 0));
    QCOMPARE(QColor(img.pixel(5, 100)), QColor(225, 225, 0));
    QCOMPARE(QColor(img.pixel(20, 20)), QColor(135, 135, 0));
    QCOMPARE(QColor(img.pixel(21, 21)), QColor(Qt::white));
  }
};

VANTORIM_GUI_TEST_MAIN(LangDialogsTest)
#include "tst_langdialogs.moc"
