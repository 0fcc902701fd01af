#include "gui/app/SearchResultList.h"

#include "core/app/ExplorerRules.h"
#include "core/app/NameFilter.h"
#include "core/platform/FileOps.h"
#include "core/platform/SpecialFolders.h"
#include "gui/app/ExplorerPane.h"
#include "gui/common/DialogService.h"
#include "gui/common/LangText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>
#include <QStandardItemModel>
#include <QTimer>

namespace vantorim::gui {

namespace {
constexpr char kContext[] = "SearchResultList";
enum Column { ColName, ColFolder, ColSize, ColType, ColModified, ColCount };
constexpr int kPathRole = Qt::UserRole + 1;
constexpr int kSortRole = Qt::UserRole + 2;

class SortItem : public QStandardItem {
public:
  using QStandardItem::QStandardItem;
  bool operator<(const QStandardItem& other) const override {
    const QVariant a = data(kSortRole), b = other.data(kSortRole);
    if (a.isValid() && b.isValid()) return a.toLongLong() < b.toLongLong();
    return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
  }
};
}  // namespace

SearchResultList::SearchResultList(QWidget* parent) : QTreeView(parent), m_model(new QStandardItemModel(0, ColCount, this)) {
  setObjectName(QStringLiteral("VirtualExplorerListviewEx03"));
  setModel(m_model);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSortingEnabled(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setAllColumnsShowFocus(true);
  header()->resizeSection(ColName, 220);
  header()->resizeSection(ColFolder, 200);
  header()->resizeSection(ColSize, 80);
  header()->resizeSection(ColType, 120);
  setEnabled(false);  // inactive until a search fills it
  retranslate();
}

QString SearchResultList::tr2(const char* source) const { return common::langText(m_language, kContext, source); }

void SearchResultList::retranslate() {
  m_model->setHorizontalHeaderLabels({tr2("Name"), tr2("In Folder"), tr2("Size"), tr2("Type"), tr2("Modified")});
  m_model->setHeaderData(ColSize, Qt::Horizontal, QVariant(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
}

void SearchResultList::setLanguage(app::TLanguage language) {
  if (language == m_language) return;
  m_language = language;
  retranslate();
}

void SearchResultList::clearResults() {
  m_model->removeRows(0, m_model->rowCount());
  m_cut.clear();
}

void SearchResultList::addResults(const QStringList& paths) {
  static QFileIconProvider icons;
  static QMimeDatabase mimes;
  setEnabled(true);
  setUpdatesEnabled(false);
  setSortingEnabled(false);
  for (const QString& path : paths) {
    const QFileInfo info(path);
    QList<QStandardItem*> row;
    auto* name = new SortItem(icons.icon(info), info.fileName());
    name->setData(path, kPathRole);
    row << name << new SortItem(info.absolutePath());
    auto* size = new SortItem(info.isDir() ? QString() : app::FormatByteSize(info.size()));
    if (info.isFile() && info.size() == 0) size->setText(QStringLiteral("0 Bytes"));
    size->setData(info.isDir() ? -1 : info.size(), kSortRole);
    size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row << size;
    row << new SortItem(info.isDir() ? tr2("Folder") : mimes.mimeTypeForFile(info).comment());
    auto* modified = new SortItem(QLocale().toString(info.lastModified(), QLocale::ShortFormat));
    modified->setData(info.lastModified().toMSecsSinceEpoch(), kSortRole);
    row << modified;
    m_model->appendRow(row);
  }
  setSortingEnabled(true);
  setUpdatesEnabled(true);
}

int SearchResultList::resultCount() const { return m_model->rowCount(); }

void SearchResultList::setStatusText(const QString& text) {
  if (m_status) m_status->setText(text);
}

QStringList SearchResultList::selectedPaths() const {
  QModelIndexList rows = selectionModel()->selectedRows(ColName);
  std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QStringList paths;
  for (const QModelIndex& i : rows) paths << i.data(kPathRole).toString();
  return paths;
}

QList<MarkedItem> SearchResultList::markedItems() const {
  QList<MarkedItem> items;
  for (const QString& p : selectedPaths()) {
    const QFileInfo info(p);
    items.append({p, app::countsAsFile(info.isDir(), info.fileName())});
  }
  return items;
}

QString SearchResultList::focusedPath() const {
  const QModelIndex c = currentIndex();
  if (c.isValid() && selectionModel()->isRowSelected(c.row(), {}))
    return m_model->index(c.row(), ColName).data(kPathRole).toString();
  const QStringList paths = selectedPaths();
  return paths.isEmpty() ? QString() : paths.first();
}

void SearchResultList::setMarkedPaths(const QStringList& paths) {
  const QSet<QString> wanted(paths.begin(), paths.end());
  QItemSelection sel;
  for (int r = 0; r < m_model->rowCount(); ++r)
    if (wanted.contains(m_model->index(r, ColName).data(kPathRole).toString()))
      sel.select(m_model->index(r, 0), m_model->index(r, ColCount - 1));
  selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
}

void SearchResultList::markCut(const QStringList& paths) {
  m_cut = QSet<QString>(paths.begin(), paths.end());
  for (int r = 0; r < m_model->rowCount(); ++r) {
    const bool cut = m_cut.contains(m_model->index(r, ColName).data(kPathRole).toString());
    for (int c = 0; c < ColCount; ++c)
      m_model->item(r, c)->setForeground(cut ? QBrush(Qt::gray) : QBrush());
  }
}

void SearchResultList::copySelection(bool cut) {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  QApplication::clipboard()->setMimeData(makeFileMimeData(paths, cut));
  markCut(cut ? paths : QStringList());
}

void SearchResultList::deleteSelection() {
  QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  paths.sort();
  const QString question = tr2("Do you want to move these %1 items to the trash?").arg(paths.size());
  if (common::LangMessageDlg(question, common::mtConfirmation, {common::mbYes, common::mbNo}, m_language) !=
      common::mrYes)
    return;
  QStringList failures;
  const QSet<QString> gone(paths.begin(), paths.end());
  for (const QString& p : paths) {
    const platform::OpResult r = platform::moveToTrash(p);
    if (!r.ok) failures << QFileInfo(p).fileName() + QStringLiteral(": ") + r.error;
  }
  // The list shows what the search found; trashed items leave it.
  for (int r = m_model->rowCount() - 1; r >= 0; --r) {
    const QString p = m_model->index(r, ColName).data(kPathRole).toString();
    if (gone.contains(p) && !QFileInfo::exists(p)) m_model->removeRow(r);
  }
  if (!failures.isEmpty())
    common::LangMessageDlg(failures.join('\n'), common::mtError, {common::mbOK}, m_language);
}

void SearchResultList::linkSelection() {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  const QString question =
      tr2("It isn`t possible to create shortcuts here.\r\nDo you want to create shortcuts on the desktop instead ?")
          .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (common::LangMessageDlg(question, common::mtConfirmation, {common::mbYes, common::mbNo}, m_language) !=
      common::mrYes)
    return;
  const QString desktop = platform::specialFolderPath(platform::SpecialFolder::Desktop);
  if (desktop.isEmpty()) return;
  const auto exists = [](const QString& p) { return QFileInfo(p).exists() || QFileInfo(p).isSymLink(); };
  for (const QString& p : paths) {
    const QString link = app::MakeShortcutName(desktop, QFileInfo(p).fileName(), tr2("Shortcut to"),
                                               tr2("Shortcut (%d) to"), exists);
    if (link.isEmpty()) continue;  // all 20 names taken
    QFile::link(p, link);
  }
}

void SearchResultList::selectOnKeyboardEntry() {
  if (!hasFocus() || QWidget::mouseGrabber() == this || m_model->rowCount() == 0) return;
  if (!selectionModel()->selectedRows().isEmpty()) return;
  QModelIndex c = currentIndex();
  if (!c.isValid()) c = m_model->index(0, 0);
  selectionModel()->select(c, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  setCurrentIndex(c);
}

void SearchResultList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5) {
    event->accept();  // the results are what the search found; nothing is re-read
    return;
  }
  if (event->matches(QKeySequence::Copy)) return copySelection(false);
  if (event->matches(QKeySequence::Cut)) return copySelection(true);
  if (event->matches(QKeySequence::Paste)) return;  // accepted and ignored
  if (event->key() == Qt::Key_Delete) return deleteSelection();
  QTreeView::keyPressEvent(event);
}

void SearchResultList::focusInEvent(QFocusEvent* event) {
  QTreeView::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
    QTimer::singleShot(0, this, [this] { selectOnKeyboardEntry(); });
}

void SearchResultList::contextMenuEvent(QContextMenuEvent* event) {
  const QModelIndex at = indexAt(viewport()->mapFromGlobal(event->globalPos()));
  if (at.isValid() && !selectionModel()->isRowSelected(at.row(), {}))  // right click selects
    selectionModel()->select(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const bool any = !selectedPaths().isEmpty();
  QMenu menu(this);
  menu.addAction(QIcon::fromTheme("edit-cut"), tr2("Cu&t"), this, [this] { copySelection(true); })->setEnabled(any);
  menu.addAction(QIcon::fromTheme("edit-copy"), tr2("&Copy"), this, [this] { copySelection(false); })->setEnabled(any);
  menu.addSeparator();
  menu.addAction(tr2("Create &Shortcut"), this, [this] { linkSelection(); })->setEnabled(any);
  menu.addAction(QIcon::fromTheme("user-trash"), tr2("&Delete"), this, [this] { deleteSelection(); })->setEnabled(any);
  menu.exec(event->globalPos());
}

void SearchResultList::startDrag(Qt::DropActions actions) {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(makeFileMimeData(paths, false));
  drag->exec(actions & (Qt::CopyAction | Qt::MoveAction | Qt::LinkAction), Qt::CopyAction);
}

}  // namespace vantorim::gui
