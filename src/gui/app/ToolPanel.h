#pragma once
// How the main window talks to its tool panels. A panel implements ToolPanel
// (its operations and properties; everything has a harmless default), reports
// its results through the PanelEvents it is given, and registers a factory in
// ToolPanelRegistry under its PanelId. The main window creates every registered
// panel on its page and shows a short notice on pages nobody registered yet.

#include "core/app/Settings.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace vantorim::gui {

class ExplorerInterface;
class SearchResultsInterface;
class ToolPanel;

// Every panel the main window holds, by its component name.
enum class PanelId {
  ComputerInfo01,
  FileInfos01,
  FileRename01,
  FileAttributes01,  // files
  FileSorting01,
  FolderRename01,
  FileAttributes02,  // folders
  FolderSeries01,
  FolderStructure01,
  FileDuplicates01,
  FileJpegTester01,
  IconExtraction01,
  FileSearch01,
  FileList01,           // left explorer side, page 1
  FilenamePreview01,    // right side, page 1
  MP3TagAdjustments,    // right side, page 2
  FileViewer01,         // right side, page 3
  FolderStatistic01,    // right side, page 4
};
inline constexpr int kPanelCount = 18;

// Which kind of items an attribute panel works on.
enum class AttributesFor { Files, Folders };

// The panels' published events; the main window implements them. `sender` is the panel.
class PanelEvents {
public:
  virtual ~PanelEvents() = default;
  virtual void OnRename(ToolPanel* sender, bool undoPossible) = 0;
  virtual void OnSort(ToolPanel* sender, bool undoPossible) = 0;
  virtual void OnAttributesChanged(ToolPanel* sender) = 0;
  virtual void OnSearchFinished(ToolPanel* sender, bool undoPossible) = 0;
  virtual void OnUndo(ToolPanel* sender) = 0;
  virtual void OnPreviewClick(ToolPanel* sender, bool activated) = 0;
  virtual void OnID3TagsClick(ToolPanel* sender, bool activated) = 0;
  virtual void OnUseFileListClick(ToolPanel* sender, bool activated) = 0;
  virtual void OnPageControlChange(ToolPanel* sender, const QString& fileExtFilter) = 0;
  virtual void OnBackBtnClick(ToolPanel* sender) = 0;
};

class ToolPanel {
public:
  virtual ~ToolPanel() = default;
  virtual QWidget* widget() = 0;

  // Wiring, done once by the main window after creation.
  virtual void setEvents(PanelEvents* events) { (void)events; }
  // Fixed links of the rename panels: file list, preview, MP3 tag panel.
  virtual void linkPanel(PanelId id, ToolPanel* panel) { (void)id, (void)panel; }
  // The search panel's result list and its status bar.
  virtual void setSearchResults(SearchResultsInterface* results) { (void)results; }

  // Properties; the setters ignore an unchanged value.
  virtual void setLanguage(app::TLanguage language) = 0;
  virtual void setExplorer(ExplorerInterface* list) { (void)list; }
  virtual void setWorkingDirectory(const QString& folder) { (void)folder; }
  virtual void setProtocolFile(const QString& name) { (void)name; }
  virtual void setStartConst(int value) { (void)value; }
  virtual void setDateFormat(app::TDateFormat format) { (void)format; }
  virtual void setTimeFormat(app::TTimeFormat format) { (void)format; }
  virtual void setFileExtFilter(const QString& filter) { (void)filter; }
  virtual QString fileExtFilter() const { return QStringLiteral("*.*"); }
  // File info panel `Filename`, folder statistic `ActFolder`, viewer `FilePath`.
  virtual void setFilename(const QString& path) { (void)path; }
  virtual void setActFolder(const QString& path) { (void)path; }
  virtual void setFilePath(const QString& path) { (void)path; }

  // Operations of the Actions menu and the context menu.
  virtual void RenameFiles() {}
  virtual void RenameFolders() {}
  virtual void SortFiles() {}
  virtual void ChangeAttributes() {}
  // Undo operations; each fires OnUndo when done.
  virtual void UndoRename() {}
  virtual void UndoAttributes() {}
  virtual void UndoSort() {}
  virtual void UndoMove() {}

  // Rename panels.
  virtual void SetPreviewActive(bool on) { (void)on; }
  virtual bool PreviewActive() const { return false; }
  virtual void SetID3TagsActive(bool on) { (void)on; }
  virtual bool ID3TagsActive() const { return false; }
  virtual void SetUseFileList(bool on) { (void)on; }
  virtual bool UseFileList() const { return false; }
  virtual void SetSelectedFile(const QString& path) { (void)path; }
  virtual void RefreshPreview() {}
  // Layer page of the rename panel: 0 general, 1 functions, 2 MP3, 3 TrueType.
  virtual int LayerPageIndex() const { return 0; }
  // "Verzeichnisse rekursiv durchsuchen" of the rename panel.
  virtual bool RecursiveSearch() const { return false; }

  // Folder-tree panel: reload the stored trees of the working directory.
  virtual void LoadTreeList() {}
  // Viewer: drop what it shows.
  virtual void ResetViewer() {}
  // Computer info: stop every running file-type statistic (on close).
  virtual void StopStatistics() {}
};

// Creates a panel with the given parent; the parent owns its widget.
using ToolPanelFactory = std::function<ToolPanel*(QWidget* parent)>;

// Factories of the panels that exist. A panel's source registers itself in
// ToolPanelList.cpp (one line per panel), so the main window never changes.
class ToolPanelRegistry {
public:
  static ToolPanelRegistry& instance();
  void add(PanelId id, ToolPanelFactory factory);
  // Empty when no panel of that id was registered.
  ToolPanelFactory factory(PanelId id) const;

private:
  ToolPanelRegistry();
  ToolPanelFactory m_factories[kPanelCount];
};

// Adds every built panel to the registry; called once by the main window.
void registerToolPanels(ToolPanelRegistry& registry);

}  // namespace vantorim::gui
