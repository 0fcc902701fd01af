#include "gui/common/GuiHelpers.h"
#include "gui/common/LangText.h"
#include "gui/common/ProgressBars.h"
#include "gui/common/ShellImages.h"
#include "support/GuiTestMain.h"
#include "support/ScriptedDialogService.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>

using namespace vantorim;
using namespace vantorim::common;
using Kind = test::ScriptedDialogService::Kind;

namespace {
class CountingPanel : public LanguageAware {
public:
  int applied = 0;
  QString caption;
  void applyLanguage() override {
    ++applied;
    caption = text("LangDialogs", "&Yes");
  }
};
}  // namespace

class CommonWidgetsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void simpleProgressBarRules() {
    TSimpleProgressBar bar;
    QCOMPARE(bar.size(), QSize(100, 20));
    QCOMPARE(bar.max(), 100u);
    QCOMPARE(bar.color(), QColor(255, 255, 255));
    bar.setMax(0);
    QCOMPARE(bar.max(), 1u);
    bar.setMax(1000);
    bar.setPosition(1500);
    QCOMPARE(bar.position(), 1000u);
    // pbHorizontal fills from the bottom upwards: trunc(1.0 * (20 - 2)).
    QCOMPARE(bar.barRect().height(), 18);
    bar.setPosition(500);
    QCOMPARE(bar.barRect().height(), 9);
    QCOMPARE(bar.barRect().bottom(), 18);
    // pbVertical fills from the left: trunc(0.5 * (100 - 2)).
    bar.setOrientation(pbVertical);
    QCOMPARE(bar.barRect().width(), 49);
    QCOMPARE(bar.barRect().left(), 1);
    bar.show();
    bar.resize(202, 40);
    QCOMPARE(bar.barRect().width(), 100);
    bar.setMax(1);  // the position follows a smaller maximum
    QCOMPARE(bar.position(), 1u);
  }

  void marqueeSwitchesOnAndOff() {
    TMarqueeProgressBar bar;
    QCOMPARE(bar.animationSpeed(), 60);
    QVERIFY(!bar.active());
    bar.setActive(true);
    QVERIFY(bar.active());
    bar.setAnimationSpeed(20);
    QCOMPARE(bar.animationSpeed(), 20);
    bar.setActive(false);
    QVERIFY(!bar.active());
  }

  void languageSetterIgnoresAnUnchangedValue() {
    CountingPanel panel;
    panel.setLanguage(app::lgGerman);
    QCOMPARE(panel.applied, 0);
    panel.setLanguage(app::lgEnglish);
    QCOMPARE(panel.applied, 1);
    QCOMPARE(panel.caption, QString("&Yes"));
    panel.setLanguage(app::lgEnglish);
    QCOMPARE(panel.applied, 1);
    panel.setLanguage(app::lgGerman);
    QCOMPARE(panel.caption, QString("&Ja"));
  }

  void selectFolderForEditAsksFromTheNearestFolder() {
    QTemporaryDir tmp;
    const QString a = tmp.path() + "/a";
    QDir().mkpath(a);
    test::ScriptedDialogService dialogs;
    QLineEdit edit;
    edit.setText(a + "/gone/deeper");
    dialogs.answerFolder(tmp.path());
    SelectFolderForEdit(&edit, app::lgGerman);
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, Kind::SelectDirectory);
    QCOMPARE(dialogs.asked[0].title, QString::fromUtf8("Verzeichnis auswählen"));
    QCOMPARE(dialogs.asked[0].text, QString::fromUtf8("Bitte wählen Sie das gewünschte Zielverzeichnis aus:"));
    QCOMPARE(dialogs.asked[0].value, a + "/");
    QCOMPARE(edit.text(), tmp.path() + "/");

    dialogs.abortFolder();
    SelectFolderForEdit(&edit, app::lgEnglish);
    QCOMPARE(dialogs.asked[1].title, QString("Select Directory"));
    QCOMPARE(dialogs.asked[1].text, QString("Please select the destination directory:"));
    QCOMPARE(edit.text(), tmp.path() + "/");

    dialogs.answerNoFolder();
    SelectFolderForEdit(&edit, app::lgEnglish);
    QCOMPARE(edit.text(), QString());

    // No usable volume: the fallback folder, no dialog.
    edit.setText("not/absolute");
    SelectFolderForEdit(&edit, app::lgGerman);
    QCOMPARE(edit.text(), QString("/"));
    QCOMPARE(dialogs.asked.size(), 3);
    QCOMPARE(dialogs.unexpected, 0);
    QCOMPARE(dialogs.pendingAnswers(), 0);
    QCOMPARE(destinationFolderHint(app::lgGerman), QString("Auswahl eines Zielverzeichnisses"));
    QCOMPARE(destinationFolderHint(app::lgEnglish), QString("Selection of a destination directory"));
  }

  void scriptedServiceRecordsMessagesAndInput() {
    test::ScriptedDialogService dialogs;
    dialogs.answerMessage(mrYes);
    dialogs.answerInput(QString(300, 'q'));
    QCOMPARE(LangMessageDlg("Sure?", mtConfirmation, {mbYes, mbNo}, app::lgEnglish), int(mrYes));
    QString v = "x";
    QVERIFY(LangInputQuery("Cap", "Prompt", v, app::lgGerman));
    QCOMPARE(v.size(), 255);
    QCOMPARE(dialogs.asked[0].type, mtConfirmation);
    QCOMPARE(dialogs.asked[0].buttons, (TMsgDlgButtons{mbYes, mbNo}));
    QCOMPARE(dialogs.asked[0].text, QString("Sure?"));
    QCOMPARE(dialogs.asked[0].title, QString("Confirm"));
    QCOMPARE(dialogs.asked[1].title, QString("Cap"));
    // Nothing scripted: cancel, counted as unexpected.
    QCOMPARE(LangMessageDlg("again", mtWarning, {mbYes, mbNo}, app::lgEnglish), int(mrCancel));
    QCOMPARE(dialogs.unexpected, 1);
  }

  void balloonHintIsCreatedOnceAndShowsItsText() {
    QLabel control("target");
    control.show();
    QPointer<TBalloonHint> handle;
    ShowBalloonHint(&control, 5, "Title", handle, Qt::black, QColor(0xFF, 0xFB, 0xF0), "first");
    QVERIFY(handle);
    TBalloonHint* first = handle;
    ShowBalloonHint(&control, 2, "Title", handle, Qt::black, QColor(0xFF, 0xFB, 0xF0), "second");
    QCOMPARE(handle.data(), first);
    QCOMPARE(handle->iconKind(), 2);
    QCOMPARE(handle->text(), QString("second"));
    ShowBalloonHint(&control, 5, "T", handle, Qt::black, Qt::white, "x");
    QCOMPARE(handle->iconKind(), 1);
    handle->showNow();
    QVERIFY(handle->balloon()->isVisible());
    QVERIFY(handle->balloon()->findChild<QLabel*>("BalloonText")->text().contains("x"));
    handle->hideNow();
    QVERIFY(!handle->balloon()->isVisible());
  }

  void shellImagesGiveIcons() {
    TShellImages images;
    QVERIFY(!images.largeIcon(QFileInfo(QDir::homePath())).isNull());
    QCOMPARE(images.smallPixmap(QFileInfo(QDir::homePath())).size().width() <= 16, true);
  }
};

VANTORIM_GUI_TEST_MAIN(CommonWidgetsTest)
#include "tst_commonwidgets.moc"
