// The main window's page rules, undo command, explorer panes and search results.

#include "core/app/Settings.h"
#include "gui/app/ExplorerPane.h"
#include "gui/app/FormHaupt.h"
#include "gui/app/SearchResultList.h"
#include "gui/common/DialogService.h"
#include "gui/rename/FileRename.h"
#include "gui/rename/FilenamePreview.h"
#include "support/GuiTestMain.h"
#include "support/ScriptedDialogService.h"

#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorim;
using namespace vantorim::gui;

namespace {

// A tool panel that records what the main window calls.
class RecordingPanel : public QWidget, public ToolPanel {
public:
  explicit RecordingPanel(PanelId id) : m_id(id) {}
  QWidget* widget() override { return this; }
  void setEvents(PanelEvents* e) override { events = e; }
  void setLanguage(app::TLanguage l) override { language = l; }
  void setExplorer(ExplorerInterface* l) override { list = l; }
  void UndoRename() override { calls << "UndoRename"; if (events) events->OnUndo(this); }
  void UndoAttributes() override { calls << "UndoAttributes"; if (events) events->OnUndo(this); }
  void UndoSort() override { calls << "UndoSort"; if (events) events->OnUndo(this); }
  void UndoMove() override { calls << "UndoMove"; if (events) events->OnUndo(this); }
  void ChangeAttributes() override { calls << "ChangeAttributes"; }
  void RenameFiles() override { calls << "RenameFiles"; }
  int LayerPageIndex() const override { return layer; }

  PanelId m_id;
  PanelEvents* events = nullptr;
  ExplorerInterface* list = nullptr;
  app::TLanguage language = app::lgGerman;
  QStringList calls;
  int layer = 0;
};

void writeFile(const QString& path, int size) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(size, 'x'));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    common::setDialogService(&m_dialogs);
  }

  void init() {
    app::AppLanguage = app::lgGerman;
    app::AppSettings = app::Settings();
    m_window = std::make_unique<TFormHaupt>();
    m_window->resize(1200, 900);
    m_window->show();
  }

  void cleanup() { m_window.reset(); }

  void startsWithDisabledActionsAndGermanCaption() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantorim Steerhall V1.04 (Stand: 09.10.2005)"));
    QCOMPARE(m_window->minimumSize(), QSize(800, 565));
    QVERIFY(m_window->dualPane());
    QVERIFY(!m_window->actionUndo()->isEnabled());
    QCOMPARE(m_window->actionUndo()->text(), QString::fromUtf8("Rückgängig: "));
    for (QAction* a : {m_window->actionRename(), m_window->actionAttributes(), m_window->actionSort(),
                       m_window->actionMarkAll()})
      QVERIFY(!a->isEnabled());
    QCOMPARE(m_window->pageControlHaupt()->tabText(4), QString::fromUtf8("Daten Müll"));
  }

  void actionsFollowPagesAndSubPages() {
    QTabWidget* pages = m_window->pageControlHaupt();
    pages->setCurrentIndex(TFormHaupt::pgFiles);
    QVERIFY(m_window->menuAktionen()->menuAction()->isVisible());
    QCOMPARE(m_window->actionRename()->text(), QStringLiteral("Dateien umbenennen"));
    QVERIFY(m_window->actionRename()->isEnabled());
    QVERIFY(!m_window->actionAttributes()->isEnabled());
    QVERIFY(!m_window->actionSort()->isEnabled());  // rename panel not on its MP3 page
    QVERIFY(m_window->actionMarkAll()->isEnabled());
    m_window->pageControlFiles()->setCurrentIndex(TFormHaupt::fpAttribute);
    QVERIFY(!m_window->actionRename()->isEnabled());
    QVERIFY(m_window->actionAttributes()->isEnabled());
    m_window->pageControlFiles()->setCurrentIndex(TFormHaupt::fpSort);
    QVERIFY(m_window->actionSort()->isEnabled());
    QVERIFY(!m_window->actionAttributes()->isEnabled());

    pages->setCurrentIndex(TFormHaupt::pgFolders);
    QCOMPARE(m_window->actionRename()->text(), QStringLiteral("Verzeichnisse umbenennen"));
    QCOMPARE(m_window->actionMarkAll()->text(), QStringLiteral("Alle Verzeichnisse markieren"));
    QVERIFY(m_window->actionRename()->isEnabled());
    QVERIFY(m_window->leftPane()->foldersOnly());
    m_window->pageControlDirectories()->setCurrentIndex(TFormHaupt::dpAttribute);
    QVERIFY(m_window->actionAttributes()->isEnabled());
    QVERIFY(!m_window->actionRename()->isEnabled());
    m_window->pageControlDirectories()->setCurrentIndex(TFormHaupt::dpSeries);
    QVERIFY(!m_window->actionAttributes()->isEnabled() && !m_window->actionRename()->isEnabled());

    pages->setCurrentIndex(TFormHaupt::pgComputerInfo);
    QVERIFY(!m_window->menuAktionen()->menuAction()->isVisible());
    QVERIFY(!m_window->actionMarkAll()->isEnabled());
    QVERIFY(!m_window->leftPane()->foldersOnly());
  }

  void folderAttributesRunFromTheFoldersPage() {
    auto* attrs = new RecordingPanel(PanelId::FileAttributes02);
    auto* fileAttrs = new RecordingPanel(PanelId::FileAttributes01);
    m_window->setPanel(PanelId::FileAttributes02, attrs);
    m_window->setPanel(PanelId::FileAttributes01, fileAttrs);
    m_window->pageControlFiles()->setCurrentIndex(TFormHaupt::fpAttribute);
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFolders);
    m_window->pageControlDirectories()->setCurrentIndex(TFormHaupt::dpAttribute);
    m_window->actionAttributes()->trigger();
    QCOMPARE(attrs->calls, QStringList{"ChangeAttributes"});
    QVERIFY(fileAttrs->calls.isEmpty());
  }

  void filterCombosOnJpegsAndBack() {
    m_window->pageControlDataGarbage()->setCurrentIndex(TFormHaupt::gpJpegs);
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgGarbage);
    for (ExplorerPane* p : {m_window->leftPane(), m_window->rightPane()}) {
      QVERIFY(!p->filterCombo()->isEnabled());
      QCOMPARE(p->filterText(), QStringLiteral("*.jpg|*.jpeg"));
      QVERIFY(p->filterCombo()->state().active());
    }
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFileInfo);
    for (ExplorerPane* p : {m_window->leftPane(), m_window->rightPane()}) {
      QVERIFY(p->filterCombo()->isEnabled());
      QCOMPARE(p->filterText(), QStringLiteral("*.*"));
      QVERIFY(!p->filterCombo()->state().active());
    }
  }

  void searchPageInSingleView() {
    m_window->viewAction(TFormHaupt::ViewMode::Single)->trigger();
    QVERIFY(!m_window->dualPane());
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgSearch);
    QVERIFY(m_window->dualPane());
    QCOMPARE(m_window->notebookExplorer02()->currentIndex(), 5);
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFiles);
    QVERIFY(!m_window->dualPane());
    QCOMPARE(m_window->notebookExplorer02()->currentIndex(), 0);
  }

  void undoBookkeepingAndLanguageReset() {
    auto* rename = new RecordingPanel(PanelId::FileRename01);
    auto* folderAttrs = new RecordingPanel(PanelId::FileAttributes02);
    m_window->setPanel(PanelId::FileRename01, rename);
    m_window->setPanel(PanelId::FileAttributes02, folderAttrs);
    QAction* undo = m_window->actionUndo();

    m_window->OnRename(rename, false);
    QCOMPARE(undo->text(), QString::fromUtf8("&Rückgängig: Umbenennen"));
    QVERIFY(!undo->isEnabled());
    m_window->OnRename(rename, true);
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->statusTip(), QStringLiteral("Alte Namen wiederherstellen"));
    m_window->OnAttributesChanged(folderAttrs);
    QCOMPARE(undo->text(), QString::fromUtf8("&Rückgängig: Attribute ändern"));
    QCOMPARE(m_window->undoBook().kind(), 2);
    undo->trigger();
    QCOMPARE(folderAttrs->calls, QStringList{"UndoAttributes"});
    QVERIFY(rename->calls.isEmpty());
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QString::fromUtf8("&Rückgängig: Attribute ändern"));  // caption stays

    m_window->OnSort(rename, true);
    QCOMPARE(m_window->undoBook().kind(), 5);
    app::AppLanguage = app::lgEnglish;
    m_window->ApplyLanguage();
    QCOMPARE(undo->text(), QStringLiteral("Undo: "));
    QVERIFY(undo->isEnabled());
    QCOMPARE(rename->language, app::lgEnglish);
    undo->trigger();
    QCOMPARE(rename->calls, QStringList{"UndoRename"});
    QCOMPARE(m_window->undoBook().kind(), 0);
    m_window->OnSearchFinished(nullptr, true);
    QCOMPARE(undo->text(), QStringLiteral("&Undo: Move"));
    QCOMPARE(undo->statusTip(), QStringLiteral("Undo last moving event."));
  }

  void statusBarAndMarkAll() {
    QTemporaryDir dir;
    writeFile(dir.filePath("a.txt"), 1);
    writeFile(dir.filePath("b.txt"), 2);
    writeFile(dir.filePath("c.txt"), 1021);
    QDir(dir.path()).mkdir("sub");
    QDir(dir.path()).mkdir("archive.zip");
    ExplorerPane* pane = m_window->leftPane();
    QVERIFY(pane->setRoot(dir.path()));
    QTRY_COMPARE(pane->itemCount(), 5);
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFiles);
    m_window->actionMarkAll()->trigger();
    QList<MarkedItem> marked = pane->markedItems();
    QCOMPARE(marked.size(), 4);  // the files and archive.zip, not sub
    for (const MarkedItem& m : marked) {
      QVERIFY(!m.path.endsWith("/sub"));
      QVERIFY(m.isFile);
    }
    pane->setMarkedPaths({dir.filePath("a.txt"), dir.filePath("b.txt"), dir.filePath("c.txt")});
    QCOMPARE(pane->statusPanel(0)->text(), QStringLiteral("Anzahl: 5"));
    QCOMPARE(pane->statusPanel(1)->text(), QStringLiteral("Markiert: 3"));
    QCOMPARE(pane->statusPanel(2)->text(), QStringLiteral("1,00 KB"));
    pane->setMarkedPaths({dir.filePath("sub")});
    QCOMPARE(pane->statusPanel(2)->text(), QString());

    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFolders);
    m_window->actionMarkAll()->trigger();
    QTRY_COMPARE(pane->itemCount(), 2);
    m_window->actionMarkAll()->trigger();
    marked = pane->markedItems();
    QCOMPARE(marked.size(), 1);
    QVERIFY(marked[0].path.endsWith("/sub"));
  }

  // Folders first, then names in natural order; a header click sorts by size.
  void reportViewSortOrder() {
    QTemporaryDir dir;
    writeFile(dir.filePath("b10.txt"), 1);
    writeFile(dir.filePath("b9.txt"), 300);
    writeFile(dir.filePath("a.txt"), 20);
    QDir(dir.path()).mkdir("zeta");
    ExplorerPane* pane = m_window->leftPane();
    pane->setViewStyle(ViewStyle::Report);
    QVERIFY(pane->setRoot(dir.path()));
    QTRY_COMPARE(pane->itemCount(), 4);
    auto* view = pane->currentView();
    const auto names = [view] {
      QStringList out;
      const QModelIndex root = view->rootIndex();
      for (int r = 0; r < view->model()->rowCount(root); ++r) out << view->model()->index(r, 0, root).data().toString();
      return out;
    };
    QTRY_COMPARE(names(), QStringList({"zeta", "a.txt", "b9.txt", "b10.txt"}));
    view->model()->sort(1, Qt::DescendingOrder);
    QTRY_COMPARE(names().mid(0, 3), QStringList({"b9.txt", "a.txt", "b10.txt"}));
  }

  void filterComboEnterAddsWithoutFiltering() {
    QTemporaryDir dir;
    writeFile(dir.filePath("a.txt"), 1);
    writeFile(dir.filePath("b.png"), 1);
    ExplorerPane* pane = m_window->leftPane();
    QVERIFY(pane->setRoot(dir.path()));
    QTRY_COMPARE(pane->itemCount(), 2);
    TVSTComboBoxFilter* combo = pane->filterCombo();
    combo->setFocus();
    combo->setEditText("*.txt");
    QTest::keyClick(combo, Qt::Key_Return);
    QVERIFY(combo->findText("*.txt") >= 0);
    QCOMPARE(pane->itemCount(), 2);
    combo->setCurrentIndex(combo->findText("*.txt"));
    combo->applyFilter();
    QTRY_COMPARE(pane->itemCount(), 1);
  }

  void f5LeavesSearchResultsAlone() {
    QTemporaryDir dir;
    writeFile(dir.filePath("found.txt"), 10);
    SearchResultList* list = m_window->searchResults();
    list->addResults({dir.filePath("found.txt")});
    QCOMPARE(list->resultCount(), 1);
    QFile::remove(dir.filePath("found.txt"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F5);
    QCOMPARE(list->resultCount(), 1);
  }

  // The real rename panel on the Files page: preview, the Actions menu, the
  // context menu and the undo command work on the left pane's marked files.
  void renamePanelThroughTheMainWindow() {
    QTemporaryDir dir, work;
    writeFile(dir.filePath("a.txt"), 1);
    writeFile(dir.filePath("b.txt"), 2);
    app::AppSettings.Arbeitsverzeichnis = work.path() + '/';
    m_window->ApplySettings();
    auto* rename = dynamic_cast<rename::TFileRename*>(m_window->panel(PanelId::FileRename01)->widget());
    auto* preview = dynamic_cast<rename::TFilenamePreview*>(m_window->panel(PanelId::FilenamePreview01)->widget());
    QVERIFY(rename && preview);
    ExplorerPane* pane = m_window->leftPane();
    QVERIFY(pane->setRoot(dir.path()));
    QTRY_COMPARE(pane->itemCount(), 2);
    m_window->pageControlHaupt()->setCurrentIndex(TFormHaupt::pgFiles);
    QVERIFY(m_window->actionRename()->isEnabled());

    QMenu menu;
    pane->addProgramCommands(&menu, pane);
    QStringList commands;
    for (QAction* a : menu.actions())
      if (!a->isSeparator()) commands << a->text();
    QCOMPARE(commands, QStringList({"Dateien umbenennen", "Alle Dateien markieren"}));
    menu.actions().at(1)->trigger();
    QCOMPARE(pane->markedItems().size(), 2);

    rename->controls().baseName->setText("Bild");
    rename->controls().preview->click();
    QCOMPARE(m_window->notebookExplorer02()->currentIndex(), 1);
    QCOMPARE(preview->FileNamesOld().size(), 2);
    QVERIFY(preview->FileNamesNew().at(0).contains("Bild"));
    QVERIFY(preview->grid()->item(0, 0) && preview->grid()->item(0, 1));

    m_dialogs.answerMessage(common::mrYes);
    m_window->actionRename()->trigger();
    QCOMPARE(m_dialogs.unexpected, 0);
    const QStringList renamed = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(renamed.size(), 2);
    for (const QString& name : renamed) QVERIFY2(name.startsWith("Bild"), qPrintable(name));
    QVERIFY(m_window->actionUndo()->isEnabled());
    QCOMPARE(m_window->actionUndo()->text(), QStringLiteral("&Rückgängig: Umbenennen"));

    m_window->actionUndo()->trigger();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"a.txt", "b.txt"}));
    QVERIFY(!m_window->actionUndo()->isEnabled());

    rename->controls().preview->click();
    QCOMPARE(m_window->notebookExplorer02()->currentIndex(), 0);
  }

  void closingAsksAndNoKeepsTheWindowOpen() {
    m_dialogs.answerMessage(common::mrNo);
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    m_dialogs.answerMessage(common::mrYes);
    QVERIFY(m_window->close());
    app::SettingsStore store;
    QVERIFY(store.readDword("PanelExplorerL02").has_value());
    QVERIFY(store.readDword("PanelExplorerR02").has_value());
  }

private:
  test::ScriptedDialogService m_dialogs;
  std::unique_ptr<TFormHaupt> m_window;
};

VANTORIM_GUI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
