#include "core/app/Settings.h"
#include "gui/app/FormSprache.h"
#include "support/GuiTestMain.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

using namespace vantorim;
using app::SettingsStore;

class FormSpracheTest : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString storePath() const { return m_dir.path() + "/Vantorim.reg"; }

private Q_SLOTS:
  void init() {
    QFile::remove(storePath());
    app::AppLanguage = app::lgGerman;
    app::AppSettings = SettingsStore(storePath()).readAll();
  }

  void firstStartShowsGermanWithTheBoxChecked() {
    SettingsStore store(storePath());
    gui::TFormSprache form(store);
    QCOMPARE(form.size(), QSize(283, 229));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form.okButton()->size(), QSize(110, 30));
    QCOMPARE(form.abortButton()->size(), QSize(110, 30));
    QCOMPARE(form.radioGroup()->title(), QString("Sprache / Language"));
    form.show();
    QVERIFY(form.radioGerman()->isChecked());
    QVERIFY(form.checkBox()->isChecked());
    QCOMPARE(form.okButton()->text(), QString("OK"));
    QCOMPARE(form.abortButton()->text(), QString("Abbrechen"));
    QCOMPARE(form.checkBox()->text(), QString("bei jedem Start anzeigen"));
    form.radioEnglish()->click();
    QCOMPARE(form.abortButton()->text(), QString("Abort"));
    QCOMPARE(form.checkBox()->text(), QString("Show at each start of program"));
    form.radioGerman()->click();
    QCOMPARE(form.abortButton()->text(), QString("Abbrechen"));
  }

  void englishAndOkStoresTheChoice() {
    SettingsStore store(storePath());
    gui::TFormSprache form(store);
    QSignalSpy applied(&form, &gui::TFormSprache::applyLanguage);
    app::TLanguage languageWhenApplied = app::lgDutch;
    connect(&form, &gui::TFormSprache::applyLanguage, this, [&] { languageWhenApplied = app::AppLanguage; });
    form.show();
    form.radioEnglish()->click();
    form.okButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(applied.count(), 1);
    QCOMPARE(languageWhenApplied, app::lgEnglish);
    QCOMPARE(app::AppLanguage, app::lgEnglish);
    const app::Settings stored = SettingsStore(storePath()).readAll();
    QCOMPARE(stored.Sprache, 1);
    QVERIFY(stored.Sprachwahl);
    QCOMPARE(SettingsStore(storePath()).readDword("Sprache"), std::optional<std::uint32_t>(1));
    QCOMPARE(SettingsStore(storePath()).readDword("Sprachwahl"), std::optional<std::uint32_t>(1));
    // Shown again, it starts from the stored choice.
    gui::TFormSprache again(store);
    again.show();
    QVERIFY(again.radioEnglish()->isChecked());
    QCOMPARE(again.abortButton()->text(), QString("Abort"));
  }

  void uncheckedBoxSkipsTheDialogNextTime() {
    SettingsStore store(storePath());
    gui::TFormSprache form(store);
    form.show();
    form.checkBox()->setChecked(false);
    form.okButton()->click();
    QCOMPARE(SettingsStore(storePath()).readBool("Sprachwahl"), std::optional<bool>(false));
    QCOMPARE(SettingsStore(storePath()).readDword("Sprache"), std::optional<std::uint32_t>(0));
    app::AppSettings = SettingsStore(storePath()).readAll();
    gui::TFormSprache next(store);
    QVERIFY(!next.showAtStart());
    QVERIFY(!next.isVisible());
  }

  void abortChangesNothing() {
    SettingsStore store(storePath());
    store.readAll();  // the key exists
    const QByteArray before = [&] { QFile f(storePath()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    gui::TFormSprache form(store);
    QSignalSpy applied(&form, &gui::TFormSprache::applyLanguage);
    form.show();
    form.radioEnglish()->click();
    form.checkBox()->setChecked(false);
    form.abortButton()->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(applied.count(), 0);
    QCOMPARE(app::AppLanguage, app::lgGerman);
    QFile f(storePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
  }

  void showAtStartIsModalWhenAsked() {
    SettingsStore store(storePath());
    gui::TFormSprache form(store);
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
      wasModal = QApplication::activeModalWidget() == &form;
      form.abortButton()->click();
    });
    QVERIFY(form.showAtStart());
    QVERIFY(wasModal);
  }
};

VANTORIM_GUI_TEST_MAIN(FormSpracheTest)
#include "tst_formsprache.moc"
