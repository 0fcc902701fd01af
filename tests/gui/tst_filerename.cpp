// The rename panel offscreen, with scripted dialogs and a fake explorer list.

#include "gui/rename/FileRename.h"
#include "gui/rename/FilenamePreview.h"
#include "gui/common/GuiHelpers.h"
#include "gui/common/UpDownLong.h"
#include "support/FakeExplorer.h"
#include "support/GuiTestMain.h"
#include "support/ScriptedDialogService.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace vantorim;
using namespace vantorim::rename;

namespace {

// Marked items are files unless `folder` is set.
gui::MarkedItem item(const QString& path, bool folder = false) { return {path, !folder}; }

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString touch(const QString& path, const QByteArray& bytes = {}) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

}  // namespace

class TestFileRename : public QObject {
  Q_OBJECT

private slots:
  void modeChangeEnablingRules_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("digits");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("letters");
    QTest::addColumn<bool>("logical");
    QTest::addColumn<bool>("recursiveEnabled");
    QTest::addColumn<bool>("recursiveKept");
    QTest::newRow("0 number") << 0 << int(pgStammname1) << true << true << false << true << false << false;
    QTest::newRow("1 letters") << 1 << int(pgStammname1) << true << false << true << true << false << false;
    QTest::newRow("2 complete") << 2 << int(pgStammname1) << false << false << false << false << false << false;
    QTest::newRow("3 replace") << 3 << int(pgZeichenkette) << true << false << true << false << true << true;
    QTest::newRow("5 cut") << 5 << int(pgAusschneiden) << true << false << true << false << false << true;
    QTest::newRow("9 date") << 9 << int(pgDatumZeit01) << true << false << true << false << true << true;
    QTest::newRow("10 external") << 10 << int(pgExtern) << true << false << true << false << true << true;
  }
  void modeChangeEnablingRules() {
    QFETCH(int, mode);
    QFETCH(int, page);
    QFETCH(bool, digits);
    QFETCH(bool, start);
    QFETCH(bool, letters);
    QFETCH(bool, logical);
    QFETCH(bool, recursiveEnabled);
    QFETCH(bool, recursiveKept);
    TFileRename panel;
    panel.setLogicalSorting(true);
    const auto& c = panel.controls();
    panel.setMode(1);  // leaves the starting state of the counter rows
    panel.setMode(3);
    c.searchText->setText("x");
    panel.setMode(4);
    c.recursive->setChecked(true);
    panel.setMode(mode);
    QCOMPARE(c.options->currentIndex(), page);
    if (mode <= 2) {
      QCOMPARE(c.digits->isEnabled(), digits);
      QCOMPARE(c.startValue->isEnabled(), start);
      QCOMPARE(c.step->isEnabled(), start);
      QCOMPARE(c.presetButton->isEnabled(), start);
      QCOMPARE(c.startLetters->isEnabled(), letters);
      QCOMPARE(c.indexPlaceGroup->isHidden(), mode == 2);
      QCOMPARE(c.completeGroup->isHidden(), mode != 2);
    }
    QCOMPARE(c.logicalSorting->isEnabled(), logical);
    QCOMPARE(c.recursive->isEnabled(), recursiveEnabled);
    QCOMPARE(c.recursive->isChecked(), recursiveKept);
    if (mode == 3) QVERIFY(c.searchText->text().isEmpty());
  }

  void fileListAndRecursiveExcludeEachOther() {
    TFileRename panel;
    panel.setMode(3);
    const auto& c = panel.controls();
    QSignalSpy fileListClicks(&panel, &TFileRename::OnUseFileListClick);
    c.recursive->click();
    QVERIFY(c.recursive->isChecked());
    c.useFileList->click();
    QVERIFY(c.useFileList->isChecked());
    QVERIFY(!c.recursive->isChecked());
    c.recursive->click();
    QVERIFY(c.recursive->isChecked());
    QVERIFY(!c.useFileList->isChecked());
    QCOMPARE(fileListClicks.size(), 2);
    QCOMPARE(fileListClicks.last().at(0).toBool(), false);
  }

  void nothingMarkedWithoutPreviewTellsTheUser() {
    test::ScriptedDialogService dialogs;
    dialogs.answerMessage(common::mrOk);
    gui::test::FakeExplorer list;
    TFileRename panel;
    panel.setLanguage(app::lgEnglish);
    panel.setExplorer(&list);
    list.marked = {item("/x/folder", true)};
    panel.RenameFiles();
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].text, QString("No file marked yet !"));
    QCOMPARE(dialogs.asked[0].type, common::mtInformation);
  }

  void nothingMarkedWithPreviewClearsIt() {
    test::ScriptedDialogService dialogs;
    gui::test::FakeExplorer list;
    TFilenamePreview preview;
    TFileRename panel;
    panel.setExplorer(&list);
    panel.setFilenamePreview(&preview);
    list.marked = {item("/x/a.txt")};
    panel.SetPreviewActive(true);
    panel.RefreshPreview();
    QCOMPARE(preview.grid()->rowCount(), 1);
    QCOMPARE(preview.grid()->item(0, 0)->text(), QString("a.txt"));
    QCOMPARE(preview.grid()->item(0, 1)->text(), QString("0.txt"));
    list.marked.clear();
    panel.RefreshPreview();
    QCOMPARE(preview.grid()->rowCount(), 1);
    QVERIFY(preview.grid()->item(0, 0) == nullptr);
    QVERIFY(dialogs.asked.isEmpty());
  }

  void languageChangeResetsOptionGroups() {
    TFileRename panel;
    const auto& c = panel.controls();
    panel.setMode(6);
    TFileRename::setRadio(c.caseKindGroup, 3);
    TFileRename::setRadio(c.extCaseGroup, 2);
    TFileRename::setRadio(c.targetGroup, 1);
    panel.setLanguage(app::lgEnglish);
    QCOMPARE(panel.mode(), 0);
    QCOMPARE(TFileRename::radioIndex(c.caseKindGroup), 0);
    QCOMPARE(TFileRename::radioIndex(c.extCaseGroup), 0);
    QCOMPARE(TFileRename::radioIndex(c.targetGroup), 0);
    QCOMPARE(c.modes[0]->text(), QString("Number Index"));
    QCOMPARE(c.recursive->text(), QString("Search Directories Recursive"));
    QCOMPARE(panel.balloonTip()->title(), QString("Selection of a destination directory"));
    panel.setLanguage(app::lgGerman);
    QCOMPARE(c.modes[6]->text(), QString::fromUtf8("Groß-/Kleinschreibung"));
    QCOMPARE(c.useFileList->text(), QString("Dateiliste"));
    TFileRename::setRadio(c.caseKindGroup, 2);
    QCOMPARE(c.caseKindGroup->findChildren<QRadioButton*>().at(2)->text(), QString::fromUtf8("alles groß"));
  }

  void runRenamesAsksAndLogs() {
    QTemporaryDir dir;
    const QString a = touch(dir.filePath("a.txt"), "A"), b = touch(dir.filePath("b.txt"), "B");
    test::ScriptedDialogService dialogs;
    gui::test::FakeExplorer list;
    list.marked = {item(a), item(b)};
    TFileRename panel;
    panel.setExplorer(&list);
    panel.setWorkingDirectory(dir.filePath("work"));
    panel.controls().baseName->setText("Bild");
    QSignalSpy renamed(&panel, &TFileRename::OnRename);
    QSignalSpy undone(&panel, &TFileRename::OnUndo);

    // No: nothing changes, the log stays as it was.
    touch(panel.logPath(), "old log\r\n");
    dialogs.answerMessage(common::mrNo);
    panel.RenameFiles();
    QCOMPARE(dialogs.asked.last().type, common::mtWarning);
    QVERIFY(dialogs.asked.last().text.startsWith(QString::fromUtf8("Möchten Sie die Dateien wirklich umbenennen ?\n")));
    QVERIFY(QFileInfo::exists(a));
    QCOMPARE(readAll(panel.logPath()), QByteArray("old log\r\n"));
    QCOMPARE(renamed.size(), 0);

    dialogs.answerMessage(common::mrYes);
    panel.RenameFiles();
    QVERIFY(QFileInfo::exists(dir.filePath("Bild0.txt")));
    QVERIFY(QFileInfo::exists(dir.filePath("Bild1.txt")));
    QCOMPARE(renamed.size(), 1);
    QCOMPARE(renamed[0][0].toBool(), true);
    QCOMPARE(list.beginUpdateCalls, 1);
    QCOMPARE(list.endUpdateCalls, 1);
    QCOMPARE(list.rebuildCalls, 1);  // once, at the end
    QCOMPARE(panel.lastNumber(), 1);

    panel.UndoRename();
    QCOMPARE(undone.size(), 1);
    QVERIFY(QFileInfo::exists(a));
    QVERIFY(QFileInfo::exists(b));
    QCOMPARE(dialogs.unexpected, 0);
  }

  void unwritableLogIsReported() {
    QTemporaryDir dir;
    const QString a = touch(dir.filePath("a.txt"));
    touch(dir.filePath("blocker"));
    test::ScriptedDialogService dialogs;
    dialogs.answerMessage(common::mrYes);
    dialogs.answerMessage(common::mrOk);
    gui::test::FakeExplorer list;
    list.marked = {item(a)};
    TFileRename panel;
    panel.setLanguage(app::lgEnglish);
    panel.setExplorer(&list);
    panel.setWorkingDirectory(dir.filePath("blocker/sub"));
    QSignalSpy renamed(&panel, &TFileRename::OnRename);
    panel.RenameFiles();
    QCOMPARE(dialogs.asked.size(), 2);
    QVERIFY(dialogs.asked[1].text.contains("cannot be undone"));
    QCOMPARE(renamed.size(), 1);
    QCOMPARE(renamed[0][0].toBool(), false);
  }

  void undoWithoutLogStillRaisesOnUndo() {
    QTemporaryDir dir;
    TFileRename panel;
    panel.setWorkingDirectory(dir.path());
    QSignalSpy undone(&panel, &TFileRename::OnUndo);
    panel.UndoRename();
    QCOMPARE(undone.size(), 1);
  }

  void layoutSwitchesAt1070() {
    TFileRename panel;
    const auto& c = panel.controls();
    panel.show();
    panel.resize(1069, 200);
    QVERIFY(!panel.wideLayout());
    QCOMPARE(c.options->width(), 294);
    panel.resize(1070, 200);
    QVERIFY(panel.wideLayout());
    QCOMPARE(c.options->width(), 588);
    QVERIFY(c.moreButton->isHidden());
    QVERIFY(c.extCaseGroup->window() == panel.window());
    QVERIFY(c.options->widget(pgStammname1)->isAncestorOf(c.extCaseGroup));
    panel.resize(900, 200);
    QVERIFY(c.options->widget(pgStammname2)->isAncestorOf(c.extCaseGroup));
  }

  void upDownLong() {
    QLineEdit edit;
    edit.setObjectName("Edit1");
    common::TUpDownLong ud, other;
    ud.setObjectName("UpDown1");
    QVERIFY(ud.setAssociate(&edit));
    ud.setMax(3);
    ud.setPosition(2);
    QCOMPARE(edit.text(), QString("2"));
    ud.step(common::btNext);
    ud.step(common::btNext);
    QCOMPARE(ud.Position(), 3);
    ud.setWrap(true);
    ud.step(common::btNext);
    QCOMPARE(ud.Position(), 0);
    QString error;
    QVERIFY(!other.setAssociate(&edit, &error));
    QVERIFY(error.contains("Edit1"));
  }

  void previewKeepsGridForUnequalLists() {
    TFilenamePreview preview;
    preview.setFileNamesOld({"/a/x", "/a/y"});
    preview.setFileNamesNew({"/b/X", "/b/Y"});
    preview.Show();
    QCOMPARE(preview.grid()->rowCount(), 2);
    QCOMPARE(preview.grid()->item(1, 1)->text(), QString("Y"));
    preview.setFileNamesNew({"/b/X"});
    preview.Show();
    QCOMPARE(preview.grid()->rowCount(), 2);
    preview.setLanguage(app::lgEnglish);
    QCOMPARE(preview.grid()->horizontalHeaderItem(0)->text(), QString("Old Filename"));
  }

  // Set VANTORIM_SHOT=<file.png> to save a picture of the panel beside its preview.
  void screenshot() {
    const QString shot = qEnvironmentVariable("VANTORIM_SHOT");
    if (shot.isEmpty()) QSKIP("VANTORIM_SHOT not set");
    QTemporaryDir dir;
    gui::test::FakeExplorer list;
    for (const char* n : {"IMG_0815.JPG", "IMG_0816.JPG", "Strand 2.jpg", "Urlaubsbild.jpeg"})
      list.marked.append(item(touch(dir.filePath(n))));
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* preview = new TFilenamePreview(&window);
    auto* panel = new TFileRename(&window);
    layout->addWidget(preview, 1);
    layout->addWidget(panel);
    panel->setExplorer(&list);
    panel->setFilenamePreview(preview);
    panel->controls().baseName->setText("Urlaub_");
    panel->controls().digitsUpDown->setPosition(3);
    TFileRename::setRadio(panel->controls().extCaseGroup, 2);
    window.resize(1100, 520);
    window.show();
    panel->SetPreviewActive(true);
    panel->RefreshPreview();
    QApplication::processEvents();
    QVERIFY(window.grab().save(shot));
  }
};

VANTORIM_GUI_TEST_MAIN(TestFileRename)
#include "tst_filerename.moc"
