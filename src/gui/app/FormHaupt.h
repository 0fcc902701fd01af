#pragma once
// The main window: menu, toolbar, the explorer area with one or two panes above
// the tool pages, and the main status bar. It configures the panels, keeps the
// explorer area laid out for the active tool, routes commands to the panel that
// owns them and keeps the single undo command.

#include "core/app/ExplorerRules.h"
#include "core/app/Settings.h"
#include "gui/app/ExplorerPane.h"
#include "gui/app/ToolPanel.h"

#include <QMainWindow>

#include <array>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabWidget;
class QToolBar;

namespace vantorim::app {
class TSHChangeNotify;
}

namespace vantorim::gui {

class SearchResultList;
class TFormInfo;

class TFormHaupt : public QMainWindow, public PanelEvents {
  Q_OBJECT
public:
  // Tool pages of PageControlHaupt.
  enum ToolPage { pgComputerInfo, pgFileInfo, pgFiles, pgFolders, pgGarbage, pgMisc, pgSearch };
  enum FilesPage { fpRename, fpAttribute, fpSort };
  enum FoldersPage { dpRename, dpAttribute, dpSeries, dpFolderTrees };
  enum GarbagePage { gpDuplicates, gpJpegs };
  enum class ViewMode { Single, Double, Viewer, FolderStatistic };

  explicit TFormHaupt(QWidget* parent = nullptr);
  ~TFormHaupt() override;

  // PanelEvents
  void OnRename(ToolPanel* sender, bool undoPossible) override;
  void OnSort(ToolPanel* sender, bool undoPossible) override;
  void OnAttributesChanged(ToolPanel* sender) override;
  void OnSearchFinished(ToolPanel* sender, bool undoPossible) override;
  void OnUndo(ToolPanel* sender) override;
  void OnPreviewClick(ToolPanel* sender, bool activated) override;
  void OnID3TagsClick(ToolPanel* sender, bool activated) override;
  void OnUseFileListClick(ToolPanel* sender, bool activated) override;
  void OnPageControlChange(ToolPanel* sender, const QString& fileExtFilter) override;
  void OnBackBtnClick(ToolPanel* sender) override;

  // Parts, for the program itself and for tests.
  ExplorerPane* leftPane() const { return m_panes[0]; }
  ExplorerPane* rightPane() const { return m_panes[1]; }
  SearchResultList* searchResults() const { return m_search; }
  QTabWidget* pageControlHaupt() const { return m_pageHaupt; }
  QTabWidget* pageControlFiles() const { return m_pageFiles; }
  QTabWidget* pageControlDirectories() const { return m_pageFolders; }
  QTabWidget* pageControlDataGarbage() const { return m_pageGarbage; }
  QStackedWidget* notebookExplorer01() const { return m_notebook[0]; }
  QStackedWidget* notebookExplorer02() const { return m_notebook[1]; }
  QMenu* menuAktionen() const { return m_menuAktionen; }
  QAction* actionUndo() const { return m_actUndo; }
  QAction* actionRename() const { return m_actRename; }
  QAction* actionAttributes() const { return m_actAttributes; }
  QAction* actionSort() const { return m_actSort; }
  QAction* actionMarkAll() const { return m_actMarkAll; }
  QAction* viewAction(ViewMode mode) const { return m_viewActions[int(mode)]; }
  const app::UndoBook& undoBook() const { return m_undo; }
  ToolPanel* panel(PanelId id) const { return m_panels[int(id)]; }
  // Installs a panel in place of the one registered (tests).
  void setPanel(PanelId id, ToolPanel* panel);
  bool dualPane() const { return m_dual; }
  ViewMode viewMode() const;
  // The list the rename panel works on (the pane last worked in).
  ExplorerInterface* activeList() const { return m_activeList; }
  ExplorerPane* activePane() const;
  app::TSHChangeNotify* changeNotify() const { return m_notify; }

  void SetDualPane(bool dual);
  void SetActionCaptions(bool folders);
  void MarkAll();
  void VirtualExplorerTransferMarks();
  void VirtualExplorerListViewExThumbnailAdjustments();
  // After the options dialog: settings handed to the panels again.
  void ApplySettings();

public Q_SLOTS:
  void ApplyLanguage();

protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void FormCreate();
  void buildMenusAndToolbar();
  void buildExplorerArea();
  void buildToolPages();
  QWidget* makePanelPage(PanelId id, QWidget* parent);
  void wirePanels();
  void PageControlHauptChange(int index);
  void PageControlFilesChangeAdjustments();
  void PageControlDirectoriesChangeAdjustments();
  void PageControlDataGarbageChange();
  void setViewMode(ViewMode mode);
  void showRightPage(int page);
  int viewModePage() const;
  bool singleView() const { return viewMode() == ViewMode::Single; }
  void listChanged(ExplorerPane* pane);
  void listClicked(ExplorerPane* pane);
  void pointPanelsAt(ExplorerPane* pane, bool withFolderSeries);
  void addContextCommands(QMenu* menu, ExplorerPane* pane);
  void setFilterCombos(const QString& text, bool apply);
  void setCombosEnabled(bool on);
  bool combosEnabled() const;
  void applyShownKinds(bool foldersOnly);
  void undoRun(app::UndoEvent event, bool undoPossible);
  void updateUndoTexts();
  void undoClick();
  void renameClick();
  void attributesClick();
  void sortClick();
  void showAbout();
  void showHelp();
  void showLanguageDialog();
  void notAvailable();
  QString T(const char* source) const;

  app::UndoBook m_undo;
  app::UndoEvent m_lastUndoEvent = app::UndoEvent::FileRename;
  std::array<ToolPanel*, kPanelCount> m_panels{};
  std::array<QWidget*, kPanelCount> m_panelHosts{};
  ExplorerPane* m_panes[2] = {};
  QStackedWidget* m_notebook[2] = {};
  QFrame* m_bevelExplorer = nullptr;
  QWidget* m_explorerArea = nullptr;
  SearchResultList* m_search = nullptr;
  QLabel* m_searchTitle = nullptr;
  QLabel* m_searchStatus = nullptr;
  QTabWidget* m_pageHaupt = nullptr;
  QTabWidget* m_pageFiles = nullptr;
  QTabWidget* m_pageFolders = nullptr;
  QTabWidget* m_pageGarbage = nullptr;
  QTabWidget* m_pageMisc = nullptr;
  QToolBar* m_toolBar = nullptr;
  QMenu* m_menuDatei = nullptr;
  QMenu* m_menuAktionen = nullptr;
  QMenu* m_menuInfo = nullptr;
  QMenu* m_menuNew = nullptr;
  QAction* m_actUndo = nullptr;
  QAction* m_actOptions = nullptr;
  QAction* m_actLanguage = nullptr;
  QAction* m_actUninstall = nullptr;
  QAction* m_actQuit = nullptr;
  QAction* m_actRename = nullptr;
  QAction* m_actAttributes = nullptr;
  QAction* m_actSort = nullptr;
  QAction* m_actMarkAll = nullptr;
  QAction* m_actHelp = nullptr;
  QAction* m_actInfo = nullptr;
  QAction* m_actNew = nullptr;
  QAction* m_actNewFolder = nullptr;
  QAction* m_actNewFile = nullptr;
  QActionGroup* m_viewGroup = nullptr;
  std::array<QAction*, 4> m_viewActions{};
  QList<QLabel*> m_notAvailableLabels;
  ExplorerInterface* m_activeList = nullptr;
  bool m_foldersActions = false;
  bool m_dual = true;
  QString m_lastLeftFolder, m_lastRightFolder;
  TFormInfo* m_about = nullptr;
  app::TSHChangeNotify* m_notify = nullptr;
};

}  // namespace vantorim::gui
