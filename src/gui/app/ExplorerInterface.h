#pragma once
// What tool panels use to reach an explorer list: the marked items, the folder
// it shows, a pause while a run changes the folder, a rebuild that keeps the
// view state, and navigation. The main window points each panel at the list the
// user last worked in; tests use a fake (tests/gui/support/FakeExplorer.h).

#include <QList>
#include <QString>

namespace vantorim::gui {

// One marked item of a list. `isFile` follows the one rule every panel shares:
// non-folders count as files, and so do folders whose name ends in ".zip"
// (lower-cased comparison).
struct MarkedItem {
  QString path;  // absolute; folders without a trailing '/'
  bool isFile = true;
  friend bool operator==(const MarkedItem&, const MarkedItem&) = default;
};

class ExplorerInterface {
public:
  virtual ~ExplorerInterface() = default;

  // The marked items in the order the list displays them.
  virtual QList<MarkedItem> markedItems() const = 0;
  // Path of the focused (or else the first marked) item; empty when none.
  virtual QString focusedPath() const = 0;
  // The folder the list shows, with a trailing '/'.
  virtual QString currentFolder() const = 0;
  // Text of the filter combo linked to this list ("*.*" when it has none).
  virtual QString filterText() const = 0;

  // Stops reacting to file-system changes until endUpdate(); calls nest.
  virtual void beginUpdate() = 0;
  // Ends a beginUpdate(); the outermost call re-reads the folder like rebuild().
  virtual void endUpdate() = 0;
  // Re-reads the folder, keeping view style, scroll position, sort order and the
  // marks of items that still exist.
  virtual void rebuild() = 0;
  // Shows `folder`; false (nothing changed) when it is not an existing folder.
  virtual bool setRoot(const QString& folder) = 0;
  // Marks exactly the given paths (others unmarked); paths without an item are skipped.
  virtual void setMarkedPaths(const QStringList& paths) = 0;
};

// The search-result list as the search panel fills it. It never re-reads itself.
class SearchResultsInterface {
public:
  virtual ~SearchResultsInterface() = default;
  virtual void clearResults() = 0;
  virtual void addResults(const QStringList& paths) = 0;
  virtual int resultCount() const = 0;
  // Text of the list's status bar.
  virtual void setStatusText(const QString& text) = 0;
};

}  // namespace vantorim::gui
