#pragma once
// One explorer pane: drive bar, folder tree with the filter combo under it, the
// file list in five view styles, its status bar, the special-folder bar and the
// view buttons. The list is fed by QFileSystemModel, which reads folders on its
// own thread, so large folders fill in without blocking the window.

#include "core/app/NameFilter.h"
#include "core/app/Settings.h"
#include "gui/app/ExplorerInterface.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QSet>
#include <QWidget>

#include <functional>

class QLabel;
class QListView;
class QMenu;
class QMimeData;
class QSplitter;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QTreeView;
class QAbstractItemView;
class QItemSelectionModel;

namespace vantorim::gui {

class ThumbnailCache;

// Clipboard and drag data for files: text/uri-list plus the GNOME and KDE cut marks.
QMimeData* makeFileMimeData(const QStringList& paths, bool cut);

// The file-type filter combo under each tree (`TVSTComboBoxFilter`).
class TVSTComboBoxFilter : public QComboBox {
  Q_OBJECT
public:
  explicit TVSTComboBoxFilter(QWidget* parent = nullptr);
  const app::FilterComboState& state() const { return m_state; }
  // Kept for the panels' sake; has no effect on the texts.
  void setLanguage(app::TLanguage language) { m_language = language; }
  app::TLanguage language() const { return m_language; }
  // Sets the text the way the main window does; call applyFilter() afterwards.
  void setFilterText(const QString& text);
  // Acts as picking the current text from the drop-down.
  void applyFilter();

Q_SIGNALS:
  // The linked list has to re-read its folder.
  void filterChanged();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void confirm();
  void refillItems();
  app::FilterComboState m_state;
  app::TLanguage m_language = app::lgGerman;
};

// View styles of the list, in the order of the view buttons.
enum class ViewStyle { LargeIcon, SmallIcon, List, Report, Thumbs };

// How thumbnails are drawn; taken from the settings.
struct ThumbnailLook {
  QSize size{120, 120};
  int spacingX = 2, spacingY = 20;
  int borderType = 4;  // 0 bumped .. 7 sunken, 5 none
  int borderWidth = 2;
  bool borderJustForPictures = false;
  bool hideCaptions = false;
  bool details = false;
  int highlight = 0;  // 0 none, 1 one colour, 2 per extension
  bool detailedHints = true;
  bool save = false;
  int storageType = 0;
  static ThumbnailLook fromSettings(const app::Settings& s);
};

// The file-system model of the lists with a fifth column, the attributes.
class ExplorerFsModel : public QFileSystemModel {
  Q_OBJECT
public:
  using QFileSystemModel::QFileSystemModel;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  void setHeaderTexts(const QStringList& texts) {
    m_headers = texts;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 4);
  }
  void forgetAttributes() { m_attrCache.clear(); }

private:
  QStringList m_headers;
  mutable QHash<QString, QString> m_attrCache;
};

// Filters (combo, folders only) the list's rows, leaves sorting to the file-system model, gives
// pictures their thumbnails and renames without replacing.
class ExplorerListModel : public QSortFilterProxyModel {
  Q_OBJECT
public:
  ExplorerListModel(QObject* parent, const TVSTComboBoxFilter* combo, ThumbnailCache* thumbs);
  QFileSystemModel* fs() const { return static_cast<QFileSystemModel*>(sourceModel()); }
  void setThumbnailMode(bool on);
  void setRootSource(const QModelIndex& root) { m_root = root; }
  void refilter() { invalidateFilter(); }
  // Greys out cut items.
  void setCutPaths(const QStringList& paths);

  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // Sorting is left to the file-system model.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  // Called with the error text when a rename failed.
  std::function<void(const QString&)> renameFailed;

protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
  const TVSTComboBoxFilter* m_combo;
  ThumbnailCache* m_thumbs;
  bool m_thumbMode = false;
  QPersistentModelIndex m_root;
  QSet<QString> m_cut;
};

class ExplorerPane : public QWidget, public ExplorerInterface {
  Q_OBJECT
public:
  ExplorerPane(const QString& suffix, QWidget* parent = nullptr);
  ~ExplorerPane() override;

  // ExplorerInterface
  QList<MarkedItem> markedItems() const override;
  QString focusedPath() const override;
  QString currentFolder() const override;
  QString filterText() const override;
  void beginUpdate() override;
  void endUpdate() override;
  void rebuild() override;
  bool setRoot(const QString& folder) override;
  void setMarkedPaths(const QStringList& paths) override;

  TVSTComboBoxFilter* filterCombo() const { return m_combo; }
  QWidget* treePanel() const { return m_treePanel; }
  QTreeView* tree() const { return m_tree; }
  QAbstractItemView* currentView() const;
  ExplorerListModel* listModel() const { return m_proxy; }
  QLabel* statusPanel(int i) const { return m_status[i]; }

  void setLanguage(app::TLanguage language);
  void setShowHidden(bool on);
  void setFoldersOnly(bool on);
  bool foldersOnly() const { return m_foldersOnly; }
  void setViewStyle(ViewStyle style);
  ViewStyle viewStyle() const { return m_style; }
  void applyThumbnailLook(const ThumbnailLook& look);
  void setDetailedHints(bool on) { m_detailedHints = on; }
  bool detailedHints() const { return m_detailedHints; }

  // Marks every top-level item that mark all selects, unmarks the others.
  void markAll(bool foldersPage);
  void focusList();
  int itemCount() const;
  qint64 selectedSize() const;
  void updateStatusBar();

  // The main window adds its commands to the context menu; true when it added any.
  std::function<void(QMenu* menu, ExplorerPane* pane)> addProgramCommands;

  // Clipboard and trash commands of the context menu.
  void copyToClipboard(bool cut);
  void pasteFromClipboard();
  void deleteToTrash();
  void renameCurrent();
  void showProperties();

Q_SIGNALS:
  // Selection or folder changed (`OnChange`).
  void changed(ExplorerPane* pane);
  // The user clicked into the list (`OnClick`).
  void clicked(ExplorerPane* pane);
  void folderChanged(const QString& folder);
  void hintChanged(const QString& hint);

protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Makes the shown folder the tree's current item and scrolls it into view.
  void showFolderInTree();
  void buildDriveBar();
  void buildSpecialBar();
  void activate(const QModelIndex& index);
  void showContextMenu(const QPoint& globalPos);
  void applyModelFilter();
  void onSelectionChanged();
  QStringList selectedPaths() const;
  QString tr2(const char* source) const;
  void retranslate();

  QString m_suffix;
  app::TLanguage m_language = app::lgGerman;
  QToolBar* m_driveBar = nullptr;
  QWidget* m_treePanel = nullptr;
  QTreeView* m_tree = nullptr;
  QFileSystemModel* m_treeModel = nullptr;
  TVSTComboBoxFilter* m_combo = nullptr;
  QSplitter* m_splitter = nullptr;
  QStackedWidget* m_views = nullptr;
  QListView* m_listView = nullptr;
  QTreeView* m_reportView = nullptr;
  ExplorerFsModel* m_fs = nullptr;
  ExplorerListModel* m_proxy = nullptr;
  QItemSelectionModel* m_selection = nullptr;
  ThumbnailCache* m_thumbs = nullptr;
  QWidget* m_statusBar = nullptr;
  QLabel* m_status[3] = {};
  QToolBar* m_specialBar = nullptr;
  QToolButton* m_viewButtons[5] = {};
  ViewStyle m_style = ViewStyle::List;
  ThumbnailLook m_look;
  QString m_folder;
  bool m_treeRowsRemoving = false;
  bool m_treeScrollPending = false;
  bool m_treeFollow = true;  // the tree keeps the shown folder in view
  bool m_showHidden = false;
  bool m_foldersOnly = false;
  bool m_detailedHints = true;
  int m_updateDepth = 0;
};

}  // namespace vantorim::gui
