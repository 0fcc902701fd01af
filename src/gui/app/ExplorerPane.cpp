#include "gui/app/ExplorerPane.h"

#include "core/app/ExplorerRules.h"
#include "core/platform/Attributes.h"
#include "core/platform/FileOps.h"
#include "core/platform/SpecialFolders.h"
#include "core/platform/Volumes.h"
#include "gui/app/ThumbnailCache.h"
#include "gui/common/DialogService.h"
#include "gui/common/GuiHelpers.h"
#include "gui/common/LangText.h"

#include <QAbstractFileIconProvider>
#include <QMimeDatabase>
#include <QMutex>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace vantorim::gui {

namespace {
constexpr char kContext[] = "ExplorerPane";

// Icons and type names from the file name alone, cached per extension. The
// model asks for both of every file on the UI thread as rows arrive; the stock
// provider opens each file to guess its type, which froze the window for
// seconds in folders of many thousand files.
class NameIconProvider : public QAbstractFileIconProvider {
public:
  QIcon icon(IconType type) const override { return QAbstractFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    if (info.isDir()) return folderIcon();
    return lookUp(info).icon;
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QAbstractFileIconProvider::type(info);
    return lookUp(info).type;
  }

private:
  struct Entry {
    QIcon icon;
    QString type;
  };
  QIcon folderIcon() const {
    const QMutexLocker lock(&m_mutex);
    if (m_folder.isNull()) m_folder = QAbstractFileIconProvider::icon(QAbstractFileIconProvider::Folder);
    return m_folder;
  }
  Entry lookUp(const QFileInfo& info) const {
    const QString suffix = info.suffix().toLower();
    const QMutexLocker lock(&m_mutex);
    auto it = m_bySuffix.constFind(suffix);
    if (it != m_bySuffix.cend()) return *it;
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    Entry e;
    e.icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    if (e.icon.isNull()) e.icon = QAbstractFileIconProvider::icon(QAbstractFileIconProvider::File);
    e.type = mime.isDefault() && !suffix.isEmpty() ? suffix.toUpper() : mime.comment();
    return *m_bySuffix.insert(suffix, e);
  }
  mutable QMutex m_mutex;
  mutable QIcon m_folder;
  mutable QHash<QString, Entry> m_bySuffix;
};

QString withSlash(QString folder) {
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

// Draws thumbnails with the frame, spacing and caption settings.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
  ThumbnailDelegate(QObject* parent, const ThumbnailLook* look) : QStyledItemDelegate(parent), m_look(look) {}
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    const int caption = m_look->hideCaptions ? 0 : 18 + (m_look->details ? 16 : 0);
    return {m_look->size.width() + 2 * m_look->borderWidth + 4,
            m_look->size.height() + 2 * m_look->borderWidth + 4 + caption};
  }
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    p->save();
    const QRect cell = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const int caption = m_look->hideCaptions ? 0 : 18 + (m_look->details ? 16 : 0);
    QRect box(cell.left() + 2, cell.top() + 2, cell.width() - 4, cell.height() - 4 - caption);
    const QString name = index.data(Qt::DisplayRole).toString();
    const bool picture = ThumbnailCache::isPicture(name);
    p->fillRect(box, selected ? option.palette.highlight().color().lighter(170) : QColor(Qt::white));
    const QVariant deco = index.data(Qt::DecorationRole);
    QPixmap pix;
    if (deco.canConvert<QImage>() && !deco.value<QImage>().isNull()) pix = QPixmap::fromImage(deco.value<QImage>());
    else if (deco.canConvert<QIcon>()) pix = deco.value<QIcon>().pixmap(48, 48);
    if (!pix.isNull()) {
      const QSize s = pix.size().scaled(box.size() - QSize(2 * m_look->borderWidth, 2 * m_look->borderWidth),
                                        Qt::KeepAspectRatio).boundedTo(pix.size());
      const QRect target(box.center().x() - s.width() / 2 + 1, box.center().y() - s.height() / 2 + 1, s.width(), s.height());
      p->drawPixmap(target, pix);
    }
    if (m_look->borderType != 5 && (picture || !m_look->borderJustForPictures)) {
      const QColor light(255, 255, 255), dark(128, 128, 128), mid(200, 200, 200);
      const bool sunken = m_look->borderType == 2 || m_look->borderType == 7;
      for (int i = 0; i < qMax(1, m_look->borderWidth); ++i) {
        const QRect r = box.adjusted(i, i, -i - 1, -i - 1);
        if (m_look->borderType == 4) {  // framed
          p->setPen(dark);
          p->drawRect(r);
        } else {
          p->setPen(sunken ? dark : (m_look->borderType == 3 ? mid : light));
          p->drawLine(r.topLeft(), r.topRight());
          p->drawLine(r.topLeft(), r.bottomLeft());
          p->setPen(sunken ? light : dark);
          p->drawLine(r.bottomLeft(), r.bottomRight());
          p->drawLine(r.topRight(), r.bottomRight());
        }
      }
    }
    if (m_look->highlight > 0 && picture) {
      p->setPen(QPen(m_look->highlight == 1 ? QColor(0, 120, 215) : colorFor(name), 2));
      p->drawRect(box.adjusted(1, 1, -2, -2));
    }
    if (caption > 0) {
      const QRect text(cell.left(), box.bottom() + 2, cell.width(), 16);
      p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
      if (selected) p->fillRect(text, option.palette.highlight());
      p->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter,
                  option.fontMetrics.elidedText(name, Qt::ElideMiddle, text.width() - 4));
      if (m_look->details) {
        const QRect detail(cell.left(), text.bottom() + 1, cell.width(), 15);
        QFont f = p->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        p->setFont(f);
        p->setPen(Qt::darkGray);
        p->drawText(detail, Qt::AlignHCenter | Qt::AlignVCenter,
                    index.sibling(index.row(), 1).data().toString());
      }
    }
    p->restore();
  }

private:
  static QColor colorFor(const QString& name) {
    // ".gif" is white, every other extension a colour of its own.
    const QString ext = app::extensionOf(name.toLower());
    if (ext == QLatin1String(".gif")) return Qt::white;
    return QColor::fromHsv(int(qHash(ext) % 360), 160, 220);
  }
  const ThumbnailLook* m_look;
};
}  // namespace

// ---------------------------------------------------------------- filter combo

TVSTComboBoxFilter::TVSTComboBoxFilter(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  refillItems();
  setCurrentIndex(findText(QStringLiteral("*.*")));
  connect(this, &QComboBox::activated, this, [this] { applyFilter(); });
}

void TVSTComboBoxFilter::refillItems() {
  const QString text = currentText();
  QSignalBlocker block(this);
  clear();
  addItems(m_state.items());
  setEditText(text.isEmpty() ? QStringLiteral("*.*") : text);
}

void TVSTComboBoxFilter::confirm() {
  const QString text = currentText();
  const bool known = m_state.items().contains(text);
  m_state.confirmText(text);
  if (!known) refillItems();
}

void TVSTComboBoxFilter::setFilterText(const QString& text) {
  QSignalBlocker block(this);
  const int i = findText(text);
  if (i >= 0) setCurrentIndex(i);
  setEditText(text);
}

void TVSTComboBoxFilter::applyFilter() {
  m_state.selectText(currentText());
  Q_EMIT filterChanged();
}

void TVSTComboBoxFilter::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    confirm();
    event->accept();  // swallowed: Enter neither filters nor closes the window
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TVSTComboBoxFilter::focusOutEvent(QFocusEvent* event) {
  confirm();
  QComboBox::focusOutEvent(event);
}

// ---------------------------------------------------------------- models

int ExplorerFsModel::columnCount(const QModelIndex& parent) const {
  return parent.column() > 0 ? 0 : 5;
}

QVariant ExplorerFsModel::data(const QModelIndex& index, int role) const {
  if (index.column() == 4) {
    if (role != Qt::DisplayRole) return {};
    const QString path = filePath(index);
    auto it = m_attrCache.constFind(path);
    if (it == m_attrCache.cend()) {
      const std::uint32_t a = platform::readAttributes(path);
      QString t;
      if (a & platform::AttrReadOnly) t += 'R';
      if (a & platform::AttrHidden) t += 'H';
      if (a & platform::AttrSystem) t += 'S';
      if (a & platform::AttrArchive) t += 'A';
      it = m_attrCache.insert(path, t);
    }
    return *it;
  }
  if (role == Qt::DisplayRole && index.column() == 1 && !isDir(index)) {
    // Sizes as the status bar writes them, in the user's locale.
    const qint64 n = size(index);
    return n == 0 ? QStringLiteral("0 Bytes") : app::FormatByteSize(n);
  }
  if (role == Qt::DisplayRole && index.column() == 3)
    return QLocale().toString(lastModified(index), QLocale::ShortFormat);
  return QFileSystemModel::data(index, role);
}

QVariant ExplorerFsModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size()) return m_headers[section];
  if (o == Qt::Horizontal && role == Qt::TextAlignmentRole && section == 1)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (section == 4) return {};
  return QFileSystemModel::headerData(section, o, role);
}

ExplorerListModel::ExplorerListModel(QObject* parent, const TVSTComboBoxFilter* combo, ThumbnailCache* thumbs)
    : QSortFilterProxyModel(parent), m_combo(combo), m_thumbs(thumbs) {
  setDynamicSortFilter(true);
  setSortCaseSensitivity(Qt::CaseInsensitive);
  connect(m_thumbs, &ThumbnailCache::ready, this, [this](const QString& path) {
    if (!m_thumbMode) return;
    const QModelIndex i = mapFromSource(fs()->index(path));
    if (i.isValid()) Q_EMIT dataChanged(i, i, {Qt::DecorationRole});
  });
}

void ExplorerListModel::setThumbnailMode(bool on) {
  if (on == m_thumbMode) return;
  m_thumbMode = on;
  if (!on) m_thumbs->clearQueue();
  if (rowCount(mapFromSource(m_root)) > 0)
    Q_EMIT dataChanged(index(0, 0, mapFromSource(m_root)),
                       index(rowCount(mapFromSource(m_root)) - 1, 0, mapFromSource(m_root)), {Qt::DecorationRole});
}

void ExplorerListModel::setCutPaths(const QStringList& paths) {
  m_cut = QSet<QString>(paths.begin(), paths.end());
  const QModelIndex root = mapFromSource(m_root);
  if (rowCount(root) > 0) Q_EMIT dataChanged(index(0, 0, root), index(rowCount(root) - 1, 0, root));
}

QVariant ExplorerListModel::data(const QModelIndex& index, int role) const {
  if (role == Qt::DecorationRole && index.column() == 0 && m_thumbMode) {
    const QModelIndex src = mapToSource(index);
    if (!fs()->isDir(src) && ThumbnailCache::isPicture(fs()->fileName(src))) {
      const QImage img = m_thumbs->thumbnail(fs()->filePath(src));
      if (!img.isNull() && img.width() > 1) return img;
    }
  }
  if (role == Qt::ForegroundRole && !m_cut.isEmpty() && m_cut.contains(fs()->filePath(mapToSource(index))))
    return QColor(Qt::gray);
  if (role == Qt::EditRole && index.column() == 0) return fs()->fileName(mapToSource(index));
  return QSortFilterProxyModel::data(index, role);
}

Qt::ItemFlags ExplorerListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
  if (index.column() == 0) f |= Qt::ItemIsEditable;
  return f;
}

bool ExplorerListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != 0) return false;
  const QModelIndex src = mapToSource(index);
  const QString oldName = fs()->fileName(src);
  const QString newName = value.toString();
  if (newName.isEmpty() || newName == oldName) return false;
  if (newName.contains('/') || newName == QLatin1String(".") || newName == QLatin1String("..")) {
    if (renameFailed) renameFailed(newName);
    return false;
  }
  const QString folder = fs()->fileInfo(src).absolutePath();
  const platform::OpResult r = platform::renameNoReplace(folder + '/' + oldName, folder + '/' + newName);
  if (!r.ok) {
    if (renameFailed) renameFailed(r.error);
    return false;
  }
  return true;
}

bool ExplorerListModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  if (!m_root.isValid() || parent != m_root) return true;
  const QModelIndex i = fs()->index(row, 0, parent);
  return m_combo->state().shows(fs()->fileName(i), fs()->isDir(i));
}

void ExplorerListModel::sort(int column, Qt::SortOrder order) {
  // The file-system model sorts its own rows (folders first, names in natural
  // order) as they arrive; a sorting proxy on top placed every arriving row on
  // its own and froze the window for seconds in a folder of 100 000 files.
  if (sourceModel()) sourceModel()->sort(column, order);
}

// ---------------------------------------------------------------- pane

ThumbnailLook ThumbnailLook::fromSettings(const app::Settings& s) {
  ThumbnailLook l;
  l.size = QSize(qBound(4, s.ThumbBreite, 60) * 10, qBound(4, s.ThumbHoehe, 60) * 10);
  l.spacingX = qMax(0, s.HSpacing);
  l.spacingY = qMax(0, s.VSpacing);
  if (s.BorderType >= 0 && s.BorderType <= 7) l.borderType = s.BorderType;
  l.borderWidth = qBound(0, s.Randgroesse, 20);
  l.borderJustForPictures = s.BorderJustForPictures;
  l.hideCaptions = s.HideCaptions;
  l.details = s.ThumbnailDetails;
  if (s.HighlightPics >= 0) l.highlight = s.HighlightPics;
  l.detailedHints = s.DetailedHints;
  l.save = s.SaveThumbnails;
  l.storageType = s.StorageType;
  return l;
}

ExplorerPane::ExplorerPane(const QString& suffix, QWidget* parent) : QWidget(parent), m_suffix(suffix) {
  setObjectName(QStringLiteral("PanelExplorer") + suffix);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  m_driveBar = new QToolBar(this);
  m_driveBar->setObjectName(QStringLiteral("VirtualDriveToolbar") + suffix);
  m_driveBar->setIconSize(QSize(16, 16));
  m_driveBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addWidget(m_driveBar);

  m_splitter = new QSplitter(Qt::Horizontal, this);
  m_splitter->setObjectName(QStringLiteral("SplitterExplorer") + suffix);
  m_splitter->setChildrenCollapsible(false);
  layout->addWidget(m_splitter, 1);

  m_treePanel = new QWidget(m_splitter);
  m_treePanel->setObjectName(suffix == QLatin1String("01") ? "PanelExplorerL02" : "PanelExplorerR02");
  m_treePanel->setMinimumWidth(160);
  auto* treeLayout = new QVBoxLayout(m_treePanel);
  treeLayout->setContentsMargins(0, 0, 0, 0);
  treeLayout->setSpacing(2);
  m_tree = new QTreeView(m_treePanel);
  m_tree->setObjectName(QStringLiteral("VirtualExplorerTreeview") + suffix);
  m_treeModel = new QFileSystemModel(this);
  m_treeModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_treeModel->setRootPath(QStringLiteral("/"));
  m_treeModel->setReadOnly(true);
  // When the model drops rows (a re-read, a folder deleted elsewhere) the tree
  // moves its current item to a neighbour; that is no navigation of the user's.
  // Connected before the tree's own selection model so the flag is up first.
  connect(m_treeModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_treeRowsRemoving = true; });
  connect(m_treeModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_treeRowsRemoving = true; });
  m_tree->setModel(m_treeModel);
  connect(m_treeModel, &QAbstractItemModel::rowsRemoved, this, [this] { m_treeRowsRemoving = false; });
  connect(m_treeModel, &QAbstractItemModel::modelReset, this, [this] { m_treeRowsRemoving = false; });
  // The tree reads folders in the background, adds their rows later and sorts
  // them later still. Until the user takes the tree in hand, the shown folder is
  // brought into view again once such a burst is over.
  const auto follow = [this] {
    if (!m_treeFollow || m_treeScrollPending) return;
    m_treeScrollPending = true;
    QTimer::singleShot(0, this, [this] {
      m_treeScrollPending = false;
      if (m_treeFollow) showFolderInTree();
    });
  };
  connect(m_treeModel, &QAbstractItemModel::rowsInserted, this, [this, follow](const QModelIndex& parent) {
    if (m_folder.startsWith(withSlash(m_treeModel->filePath(parent)))) follow();
  });
  connect(m_treeModel, &QAbstractItemModel::layoutChanged, this, follow);
  m_tree->installEventFilter(this);
  m_tree->viewport()->installEventFilter(this);
  for (int c = 1; c < m_treeModel->columnCount(); ++c) m_tree->hideColumn(c);
  m_tree->setHeaderHidden(true);
  m_tree->setUniformRowHeights(true);
  m_tree->setAnimated(false);
  treeLayout->addWidget(m_tree, 1);
  m_combo = new TVSTComboBoxFilter(m_treePanel);
  m_combo->setObjectName(suffix == QLatin1String("01") ? "VSTComboBoxFilter1" : "VSTComboBoxFilter2");
  treeLayout->addWidget(m_combo);

  auto* listPanel = new QWidget(m_splitter);
  auto* listLayout = new QVBoxLayout(listPanel);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->setSpacing(0);
  m_thumbs = new ThumbnailCache(this);
  m_fs = new ExplorerFsModel(this);
  static NameIconProvider iconProvider;
  m_fs->setIconProvider(&iconProvider);
  m_fs->setReadOnly(false);  // drops move and copy; renames go through the proxy
  m_proxy = new ExplorerListModel(this, m_combo, m_thumbs);
  m_proxy->setSourceModel(m_fs);
  m_proxy->renameFailed = [this](const QString& why) {
    common::LangMessageDlg(tr2("The item could not be renamed:") + QStringLiteral("\n") + why,
                           common::mtError, {common::mbOK}, m_language);
  };
  m_views = new QStackedWidget(listPanel);
  m_listView = new QListView(m_views);
  m_listView->setObjectName(QStringLiteral("VirtualExplorerListviewEx") + suffix);
  m_reportView = new QTreeView(m_views);
  m_reportView->setObjectName(QStringLiteral("VirtualExplorerListviewEx") + suffix + "Report");
  m_listView->setModel(m_proxy);
  m_reportView->setModel(m_proxy);
  m_selection = m_listView->selectionModel();
  m_reportView->setSelectionModel(m_selection);
  for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(m_listView), static_cast<QAbstractItemView*>(m_reportView)}) {
    v->setSelectionMode(QAbstractItemView::ExtendedSelection);
    v->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    v->setDragEnabled(true);
    v->setAcceptDrops(true);
    v->setDropIndicatorShown(true);
    v->setDragDropMode(QAbstractItemView::DragDrop);
    v->setDefaultDropAction(Qt::MoveAction);
    v->setContextMenuPolicy(Qt::CustomContextMenu);
    v->installEventFilter(this);
    v->viewport()->installEventFilter(this);
    connect(v, &QAbstractItemView::doubleClicked, this, &ExplorerPane::activate);
    connect(v, &QAbstractItemView::clicked, this, [this] { Q_EMIT clicked(this); });
    connect(v, &QWidget::customContextMenuRequested, this,
            [this, v](const QPoint& pos) { showContextMenu(v->viewport()->mapToGlobal(pos)); });
  }
  m_listView->setUniformItemSizes(true);
  m_listView->setLayoutMode(QListView::Batched);
  m_listView->setBatchSize(500);
  m_listView->setWordWrap(true);
  m_reportView->setRootIsDecorated(false);
  m_reportView->setItemsExpandable(false);
  m_reportView->setUniformRowHeights(true);
  m_reportView->setSortingEnabled(true);
  m_reportView->sortByColumn(0, Qt::AscendingOrder);
  m_reportView->setAllColumnsShowFocus(true);
  m_reportView->header()->setSectionsMovable(true);
  m_reportView->header()->resizeSection(0, 260);
  m_reportView->header()->resizeSection(1, 90);
  m_reportView->header()->resizeSection(2, 110);
  // Wide enough for a date and time in the user's format.
  const QString sampleTime = QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
  m_reportView->header()->resizeSection(3, qMax(130, m_reportView->fontMetrics().horizontalAdvance(sampleTime) + 16));
  m_reportView->header()->resizeSection(4, 70);
  m_reportView->setStyleSheet(QStringLiteral("QTreeView::item { height: 17px; }"));
  m_views->addWidget(m_listView);
  m_views->addWidget(m_reportView);
  listLayout->addWidget(m_views, 1);

  m_statusBar = new QWidget(listPanel);
  m_statusBar->setObjectName(QStringLiteral("StatusBarExplorer") + suffix);
  auto* statusLayout = new QHBoxLayout(m_statusBar);
  statusLayout->setContentsMargins(2, 1, 2, 1);
  statusLayout->setSpacing(2);
  for (QLabel*& l : m_status) {
    l = new QLabel(m_statusBar);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumHeight(18);
    statusLayout->addWidget(l);
  }
  statusLayout->addStretch(1);
  m_statusBar->installEventFilter(this);
  listLayout->addWidget(m_statusBar);
  m_splitter->addWidget(m_treePanel);
  m_splitter->addWidget(listPanel);
  m_splitter->setStretchFactor(1, 1);
  m_splitter->setSizes({160, 400});

  auto* bottom = new QWidget(this);
  bottom->setObjectName(suffix == QLatin1String("01") ? "PanelExplorerL04" : "PanelExplorerR04");
  bottom->setFixedHeight(26);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->setSpacing(0);
  m_specialBar = new QToolBar(bottom);
  m_specialBar->setIconSize(QSize(16, 16));
  bottomLayout->addWidget(m_specialBar, 1);
  const QIcon viewIcons[5] = {
      common::themeIcon({"view-list-icons", "view-app-grid-symbolic"}),
      common::themeIcon({"view-list-compact", "view-grid-symbolic"}),
      common::themeIcon({"view-list-text", "view-list-symbolic"}),
      common::themeIcon({"view-list-details", "view-list-bullet-symbolic"}),
      common::themeIcon({"view-preview", "image-x-generic"})};
  const char* viewNames[5] = {"LargeIcon", "SmallIcon", "List", "Report", "Thumb"};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QToolButton(bottom);
    b->setObjectName(QStringLiteral("TBExp") + suffix + viewNames[i]);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setAutoExclusive(true);
    b->setIcon(viewIcons[i]);
    b->setIconSize(QSize(16, 16));
    bottomLayout->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, i] { setViewStyle(static_cast<ViewStyle>(i)); });
    m_viewButtons[i] = b;
  }
  layout->addWidget(bottom);

  connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && !m_treeRowsRemoving) setRoot(m_treeModel->filePath(current));
          });
  connect(m_combo, &TVSTComboBoxFilter::filterChanged, this, [this] {
    m_proxy->refilter();
    updateStatusBar();
  });
  connect(m_selection, &QItemSelectionModel::selectionChanged, this, &ExplorerPane::onSelectionChanged);
  connect(m_proxy, &QAbstractItemModel::rowsInserted, this, [this] { updateStatusBar(); });
  connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, [this] { updateStatusBar(); });
  connect(m_fs, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (withSlash(path) == m_folder) updateStatusBar();
  });

  buildDriveBar();
  buildSpecialBar();
  applyModelFilter();
  setViewStyle(ViewStyle::List);
  retranslate();
  setRoot(QDir::homePath());
}

ExplorerPane::~ExplorerPane() = default;

QString ExplorerPane::tr2(const char* source) const { return common::langText(m_language, kContext, source); }

void ExplorerPane::buildDriveBar() {
  m_driveBar->clear();
  for (const platform::VolumeInfo& v : platform::listVolumes()) {
    QString caption = v.root == QLatin1String("/") ? QStringLiteral("/") : QFileInfo(v.root.chopped(1)).fileName();
    const char* icon = v.mediaType == platform::dtRemovable ? "drive-removable-media"
                       : v.mediaType == platform::dtCDROM   ? "drive-optical"
                       : v.mediaType == platform::dtRemote  ? "folder-remote"
                                                            : "drive-harddisk";
    QAction* a = m_driveBar->addAction(QIcon::fromTheme(QString::fromLatin1(icon)), caption);
    a->setToolTip(v.root + (v.label.isEmpty() ? QString() : QStringLiteral(" (") + v.label + ')'));
    const QString root = v.root;
    connect(a, &QAction::triggered, this, [this, root] { setRoot(root); });
  }
}

void ExplorerPane::buildSpecialBar() {
  m_specialBar->clear();
  struct Entry {
    platform::SpecialFolder folder;
    const char* icon;
    const char* name;
  } entries[] = {
      {platform::SpecialFolder::Home, "user-home", QT_TRANSLATE_NOOP("ExplorerPane", "Home")},
      {platform::SpecialFolder::Desktop, "user-desktop", QT_TRANSLATE_NOOP("ExplorerPane", "Desktop")},
      {platform::SpecialFolder::Documents, "folder-documents", QT_TRANSLATE_NOOP("ExplorerPane", "Documents")},
      {platform::SpecialFolder::Pictures, "folder-pictures", QT_TRANSLATE_NOOP("ExplorerPane", "Pictures")},
      {platform::SpecialFolder::Music, "folder-music", QT_TRANSLATE_NOOP("ExplorerPane", "Music")},
      {platform::SpecialFolder::Videos, "folder-videos", QT_TRANSLATE_NOOP("ExplorerPane", "Videos")},
      {platform::SpecialFolder::Downloads, "folder-download", QT_TRANSLATE_NOOP("ExplorerPane", "Downloads")},
      {platform::SpecialFolder::Trash, "user-trash", QT_TRANSLATE_NOOP("ExplorerPane", "Trash")},
  };
  for (const Entry& e : entries) {
    const platform::SpecialFolder f = e.folder;
    QAction* a = m_specialBar->addAction(QIcon::fromTheme(QString::fromLatin1(e.icon)), QString());
    a->setData(QString::fromLatin1(e.name));
    connect(a, &QAction::triggered, this, [this, f] {
      const QString path = platform::specialFolderPath(f);
      if (!path.isEmpty()) {
        QDir().mkpath(path);
        setRoot(path);
      }
    });
  }
}

void ExplorerPane::retranslate() {
  for (QAction* a : m_specialBar->actions()) {
    const QByteArray name = a->data().toString().toLatin1();
    a->setToolTip(tr2(name.constData()));
    a->setStatusTip(a->toolTip());
  }
  const char* viewHints[5] = {QT_TRANSLATE_NOOP("ExplorerPane", "Large icons"),
                              QT_TRANSLATE_NOOP("ExplorerPane", "Small icons"),
                              QT_TRANSLATE_NOOP("ExplorerPane", "List"),
                              QT_TRANSLATE_NOOP("ExplorerPane", "Details"),
                              QT_TRANSLATE_NOOP("ExplorerPane", "Thumbnails")};
  for (int i = 0; i < 5; ++i) {
    m_viewButtons[i]->setToolTip(tr2(viewHints[i]));
    m_viewButtons[i]->setStatusTip(m_viewButtons[i]->toolTip());
  }
  m_fs->setHeaderTexts({tr2("Name"), tr2("Size"), tr2("Type"), tr2("Modified"), tr2("Attributes")});
  updateStatusBar();
}

void ExplorerPane::setLanguage(app::TLanguage language) {
  if (language == m_language) return;
  m_language = language;
  m_combo->setLanguage(language);
  retranslate();
}

void ExplorerPane::applyModelFilter() {
  QDir::Filters f = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;
  if (!m_foldersOnly) f |= QDir::Files | QDir::System;
  if (m_showHidden) f |= QDir::Hidden;
  m_fs->setFilter(f);
  QDir::Filters t = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;
  if (m_showHidden) t |= QDir::Hidden;
  m_treeModel->setFilter(t);
}

void ExplorerPane::setShowHidden(bool on) {
  if (on == m_showHidden) return;
  m_showHidden = on;
  applyModelFilter();
}

void ExplorerPane::setFoldersOnly(bool on) {
  if (on == m_foldersOnly) return;
  m_foldersOnly = on;
  applyModelFilter();
}

QAbstractItemView* ExplorerPane::currentView() const {
  return m_style == ViewStyle::Report ? static_cast<QAbstractItemView*>(m_reportView) : m_listView;
}

void ExplorerPane::setViewStyle(ViewStyle style) {
  m_style = style;
  m_viewButtons[int(style)]->setChecked(true);
  m_proxy->setThumbnailMode(style == ViewStyle::Thumbs);
  if (style == ViewStyle::Report) {
    m_views->setCurrentWidget(m_reportView);
    return;
  }
  m_views->setCurrentWidget(m_listView);
  m_listView->setItemDelegate(new QStyledItemDelegate(m_listView));
  m_listView->setGridSize(QSize());
  m_listView->setSpacing(0);
  switch (style) {
    case ViewStyle::LargeIcon:
      m_listView->setViewMode(QListView::IconMode);
      m_listView->setFlow(QListView::LeftToRight);  // a flow set before outlives the mode change
      m_listView->setIconSize(QSize(32, 32));
      m_listView->setGridSize(QSize(96, 70));
      break;
    case ViewStyle::SmallIcon:
      m_listView->setViewMode(QListView::ListMode);
      m_listView->setFlow(QListView::LeftToRight);
      m_listView->setIconSize(QSize(16, 16));
      m_listView->setGridSize(QSize(180, 20));
      break;
    case ViewStyle::List:
      m_listView->setViewMode(QListView::ListMode);
      m_listView->setFlow(QListView::TopToBottom);
      m_listView->setIconSize(QSize(16, 16));
      m_listView->setGridSize(QSize(200, 18));
      break;
    case ViewStyle::Thumbs: {
      m_listView->setViewMode(QListView::IconMode);
      m_listView->setFlow(QListView::LeftToRight);
      m_listView->setIconSize(m_look.size);
      m_listView->setItemDelegate(new ThumbnailDelegate(m_listView, &m_look));
      const QSize cell = ThumbnailDelegate(nullptr, &m_look).sizeHint({}, {});
      m_listView->setGridSize(cell + QSize(m_look.spacingX * 2, m_look.spacingY / 2));
      break;
    }
    case ViewStyle::Report: break;
  }
  m_listView->setWrapping(true);
  m_listView->setResizeMode(QListView::Adjust);
  m_listView->setMovement(QListView::Static);
}

void ExplorerPane::applyThumbnailLook(const ThumbnailLook& look) {
  m_look = look;
  m_detailedHints = look.detailedHints;
  m_thumbs->setThumbnailSize(look.size);
  m_thumbs->setStorage(look.save, look.storageType);
  if (m_style == ViewStyle::Thumbs) setViewStyle(ViewStyle::Thumbs);  // redraw
}

bool ExplorerPane::setRoot(const QString& folder) {
  const QFileInfo info(folder);
  if (folder.isEmpty() || !info.isDir()) return false;
  const QString path = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
  m_thumbs->clearQueue();
  m_fs->forgetAttributes();
  const QModelIndex src = m_fs->setRootPath(path);
  m_proxy->setRootSource(src);
  m_proxy->refilter();
  const QModelIndex root = m_proxy->mapFromSource(src);
  m_listView->setRootIndex(root);
  m_reportView->setRootIndex(root);
  m_selection->clearSelection();
  m_folder = withSlash(path);
  m_treeFollow = true;
  showFolderInTree();
  updateStatusBar();
  Q_EMIT folderChanged(m_folder);
  Q_EMIT changed(this);
  return true;
}

void ExplorerPane::showFolderInTree() {
  const QModelIndex t = m_treeModel->index(m_folder.size() > 1 ? m_folder.chopped(1) : m_folder);
  if (!t.isValid()) return;
  const QSignalBlocker block(m_tree->selectionModel());
  m_tree->setCurrentIndex(t);
  m_tree->scrollTo(t);
}

QString ExplorerPane::currentFolder() const { return m_folder; }
QString ExplorerPane::filterText() const { return m_combo->currentText(); }

QList<MarkedItem> ExplorerPane::markedItems() const {
  QModelIndexList rows = m_selection->selectedRows(0);
  std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QList<MarkedItem> items;
  items.reserve(rows.size());
  for (const QModelIndex& i : rows) {
    const QModelIndex s = m_proxy->mapToSource(i);
    items.append({m_fs->filePath(s), app::countsAsFile(m_fs->isDir(s), m_fs->fileName(s))});
  }
  return items;
}

QStringList ExplorerPane::selectedPaths() const {
  QStringList paths;
  for (const MarkedItem& m : markedItems()) paths << m.path;
  return paths;
}

QString ExplorerPane::focusedPath() const {
  const QModelIndex c = m_selection->currentIndex();
  if (c.isValid() && m_selection->isSelected(c.siblingAtColumn(0)))
    return m_fs->filePath(m_proxy->mapToSource(c));
  const QList<MarkedItem> items = markedItems();
  return items.isEmpty() ? QString() : items.first().path;
}

void ExplorerPane::beginUpdate() { ++m_updateDepth; }

void ExplorerPane::endUpdate() {
  if (m_updateDepth > 0 && --m_updateDepth == 0) rebuild();
}

void ExplorerPane::rebuild() {
  const QStringList marks = selectedPaths();
  const int vscroll = currentView()->verticalScrollBar()->value();
  const int hscroll = currentView()->horizontalScrollBar()->value();
  const QString folder = m_folder;
  // A fresh root re-reads the folder; QFileSystemModel keeps no stale entries then.
  m_fs->setRootPath(QString());
  setRoot(folder);
  setMarkedPaths(marks);
  currentView()->verticalScrollBar()->setValue(vscroll);
  currentView()->horizontalScrollBar()->setValue(hscroll);
}

void ExplorerPane::setMarkedPaths(const QStringList& paths) {
  QItemSelection sel;
  for (const QString& p : paths) {
    const QModelIndex i = m_proxy->mapFromSource(m_fs->index(p));
    if (i.isValid()) sel.select(i, i);
  }
  m_selection->select(sel, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ExplorerPane::markAll(bool foldersPage) {
  const QModelIndex root = m_listView->rootIndex();
  QItemSelection sel;
  const int n = m_proxy->rowCount(root);
  for (int r = 0; r < n; ++r) {
    const QModelIndex i = m_proxy->index(r, 0, root);
    const QModelIndex s = m_proxy->mapToSource(i);
    if (app::markAllSelects(m_fs->isDir(s), m_fs->fileName(s), foldersPage)) sel.select(i, i);
  }
  m_selection->select(sel, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  focusList();
}

void ExplorerPane::focusList() { currentView()->setFocus(); }

int ExplorerPane::itemCount() const { return m_proxy->rowCount(m_listView->rootIndex()); }

qint64 ExplorerPane::selectedSize() const {
  qint64 total = 0;
  for (const QModelIndex& i : m_selection->selectedRows(0)) {
    const QModelIndex s = m_proxy->mapToSource(i);
    if (!m_fs->isDir(s)) total += m_fs->size(s);
  }
  return total;
}

void ExplorerPane::updateStatusBar() {
  m_status[0]->setText(tr2("Number: ") + QString::number(itemCount()));
  m_status[1]->setText(tr2("Marked: ") + QString::number(m_selection->selectedRows(0).size()));
  m_status[2]->setText(app::FormatByteSize(selectedSize(), QLocale()));
}

void ExplorerPane::onSelectionChanged() {
  updateStatusBar();
  Q_EMIT changed(this);
}

void ExplorerPane::activate(const QModelIndex& index) {
  const QModelIndex s = m_proxy->mapToSource(index);
  const QString path = m_fs->filePath(s);
  if (m_fs->isDir(s) && !app::countsAsFile(true, m_fs->fileName(s))) {
    setRoot(path);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ExplorerPane::showContextMenu(const QPoint& globalPos) {
  QMenu menu(this);
  if (addProgramCommands) addProgramCommands(&menu, this);
  const bool any = !m_selection->selectedRows(0).isEmpty();
  QAction* cut = menu.addAction(QIcon::fromTheme("edit-cut"), tr2("Cu&t"), this, [this] { copyToClipboard(true); });
  QAction* copy = menu.addAction(QIcon::fromTheme("edit-copy"), tr2("&Copy"), this, [this] { copyToClipboard(false); });
  QAction* paste = menu.addAction(QIcon::fromTheme("edit-paste"), tr2("&Paste"), this, [this] { pasteFromClipboard(); });
  cut->setEnabled(any);
  copy->setEnabled(any);
  paste->setEnabled(QApplication::clipboard()->mimeData() && QApplication::clipboard()->mimeData()->hasUrls());
  menu.addSeparator();
  menu.addAction(QIcon::fromTheme("user-trash"), tr2("&Delete"), this, [this] { deleteToTrash(); })->setEnabled(any);
  menu.addAction(tr2("Rena&me"), this, [this] { renameCurrent(); })->setEnabled(any);
  menu.addSeparator();
  menu.addAction(QIcon::fromTheme("document-properties"), tr2("P&roperties"), this, [this] { showProperties(); })
      ->setEnabled(any);
  menu.exec(globalPos);
}

QMimeData* makeFileMimeData(const QStringList& paths, bool cut) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  QByteArray gnome = cut ? "cut" : "copy";
  for (const QString& p : paths) {
    urls << QUrl::fromLocalFile(p);
    gnome += '\n' + QUrl::fromLocalFile(p).toEncoded();
  }
  data->setUrls(urls);
  data->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
  if (cut) data->setData(QStringLiteral("application/x-kde-cutselection"), "1");
  return data;
}

void ExplorerPane::copyToClipboard(bool cut) {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  QApplication::clipboard()->setMimeData(makeFileMimeData(paths, cut));
  m_proxy->setCutPaths(cut ? paths : QStringList());
}

void ExplorerPane::pasteFromClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data || !data->hasUrls()) return;
  const bool cut = data->data(QStringLiteral("application/x-kde-cutselection")).startsWith('1') ||
                   data->data(QStringLiteral("x-special/gnome-copied-files")).startsWith("cut");
  QStringList failures;
  for (const QUrl& u : data->urls()) {
    if (!u.isLocalFile()) continue;
    const QString from = u.toLocalFile();
    const QString to = m_folder + QFileInfo(from).fileName();
    if (from == to) continue;
    platform::OpResult r = cut ? platform::renameNoReplace(from, to) : platform::OpResult::success();
    if (cut && !r.ok && QFileInfo(from).isFile()) {
      // Another volume: copy, then put the original into the trash.
      r = platform::copyNoOverwrite(from, to);
      if (r.ok) r = platform::moveToTrash(from);
    } else if (!cut) {
      r = QFileInfo(from).isDir() ? platform::OpResult::failure(tr2("Folders can only be moved."))
                                  : platform::copyNoOverwrite(from, to);
    }
    if (!r.ok) failures << QFileInfo(from).fileName() + QStringLiteral(": ") + r.error;
  }
  if (cut) {
    QApplication::clipboard()->clear();
    m_proxy->setCutPaths({});
  }
  if (!failures.isEmpty())
    common::LangMessageDlg(failures.join('\n'), common::mtError, {common::mbOK}, m_language);
}

void ExplorerPane::deleteToTrash() {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  const QString question = paths.size() == 1
                               ? tr2("Do you want to move \"%1\" to the trash?").arg(QFileInfo(paths[0]).fileName())
                               : tr2("Do you want to move these %1 items to the trash?").arg(paths.size());
  if (common::LangMessageDlg(question, common::mtConfirmation, {common::mbYes, common::mbNo}, m_language) !=
      common::mrYes)
    return;
  QStringList failures;
  for (const QString& p : paths) {
    const platform::OpResult r = platform::moveToTrash(p);
    if (!r.ok) failures << QFileInfo(p).fileName() + QStringLiteral(": ") + r.error;
  }
  if (!failures.isEmpty())
    common::LangMessageDlg(failures.join('\n'), common::mtError, {common::mbOK}, m_language);
}

void ExplorerPane::renameCurrent() {
  QModelIndex c = m_selection->currentIndex();
  if (!c.isValid() || !m_selection->isSelected(c)) {
    const QModelIndexList rows = m_selection->selectedRows(0);
    if (rows.isEmpty()) return;
    c = rows.first();
  }
  currentView()->edit(c.siblingAtColumn(0));
}

void ExplorerPane::showProperties() {
  const QString path = focusedPath();
  if (path.isEmpty()) return;
  const QFileInfo info(path);
  const std::uint32_t a = platform::readAttributes(path);
  QStringList attrs;
  if (a & platform::AttrReadOnly) attrs << tr2("read-only");
  if (a & platform::AttrHidden) attrs << tr2("hidden");
  if (a & platform::AttrSystem) attrs << tr2("system");
  if (a & platform::AttrArchive) attrs << tr2("archive");
  const QString text = info.fileName() + QStringLiteral("\n\n") + tr2("Folder: ") + info.absolutePath() + '\n' +
                       (info.isDir() ? QString() : tr2("Size: ") + app::FormatByteSize(info.size()) + '\n') +
                       tr2("Modified: ") + QLocale().toString(info.lastModified(), QLocale::LongFormat) + '\n' +
                       tr2("Attributes: ") + (attrs.isEmpty() ? QStringLiteral("-") : attrs.join(", "));
  common::LangMessageDlg(text, common::mtInformation, {common::mbOK}, m_language);
}

void ExplorerPane::resizeEvent(QResizeEvent* event) { QWidget::resizeEvent(event); }

bool ExplorerPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_tree || watched == m_tree->viewport()) {
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::Wheel || t == QEvent::KeyPress) m_treeFollow = false;
    return false;
  }
  if (watched == m_statusBar && event->type() == QEvent::Resize) {
    const int x = int((m_statusBar->width() - 255) * 0.15);
    m_status[0]->setFixedWidth(qMax(40, qMin(110, x + 80)));
    m_status[1]->setFixedWidth(qMax(40, qMin(110, x + 85)));
    m_status[2]->setFixedWidth(qMax(40, qMin(110, x + 90)));
  }
  if ((watched == m_listView || watched == m_reportView) && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) {
      deleteToTrash();
      return true;
    }
    if (key->key() == Qt::Key_F2) {
      renameCurrent();
      return true;
    }
    if (key->key() == Qt::Key_Backspace) {
      const QDir up = QFileInfo(m_folder.chopped(1)).dir();
      if (m_folder != QLatin1String("/")) setRoot(up.absolutePath());
      return true;
    }
    if (key->matches(QKeySequence::Copy)) { copyToClipboard(false); return true; }
    if (key->matches(QKeySequence::Cut)) { copyToClipboard(true); return true; }
    if (key->matches(QKeySequence::Paste)) { pasteFromClipboard(); return true; }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      const QModelIndex c = m_selection->currentIndex();
      if (c.isValid()) activate(c);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vantorim::gui
