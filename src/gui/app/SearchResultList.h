#pragma once
// The list of search results (`VirtualExplorerListviewEx03`): filled only by the
// search panel, never re-read from the disk (F5 does nothing), with copy, cut,
// delete to trash and "link" (symbolic links on the desktop).

#include "core/app/Settings.h"
#include "gui/app/ExplorerInterface.h"

#include <QSet>
#include <QTreeView>

class QLabel;
class QStandardItemModel;

namespace vantorim::gui {

class SearchResultList : public QTreeView, public SearchResultsInterface, public ExplorerInterface {
  Q_OBJECT
public:
  explicit SearchResultList(QWidget* parent = nullptr);

  // SearchResultsInterface
  void clearResults() override;
  void addResults(const QStringList& paths) override;
  int resultCount() const override;
  void setStatusText(const QString& text) override;
  void setStatusLabel(QLabel* label) { m_status = label; }

  // ExplorerInterface (the list has no folder of its own)
  QList<MarkedItem> markedItems() const override;
  QString focusedPath() const override;
  QString currentFolder() const override { return {}; }
  QString filterText() const override { return QStringLiteral("*.*"); }
  void beginUpdate() override {}
  void endUpdate() override {}
  void rebuild() override {}
  bool setRoot(const QString&) override { return false; }
  void setMarkedPaths(const QStringList& paths) override;

  void setLanguage(app::TLanguage language);
  void copySelection(bool cut);
  void deleteSelection();
  // Symbolic links to the selected items on the desktop, after asking.
  void linkSelection();
  // Keyboard entry: select the focused (or the first) item when nothing is selected.
  void selectOnKeyboardEntry();
  QStringList selectedPaths() const;
  bool isCut(const QString& path) const { return m_cut.contains(path); }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void startDrag(Qt::DropActions actions) override;

private:
  void retranslate();
  void markCut(const QStringList& paths);
  QString tr2(const char* source) const;
  QStandardItemModel* m_model;
  QLabel* m_status = nullptr;
  QSet<QString> m_cut;
  app::TLanguage m_language = app::lgGerman;
};

}  // namespace vantorim::gui
