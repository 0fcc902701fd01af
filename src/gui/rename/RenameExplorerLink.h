#pragma once
// What the rename panel needs from an explorer list: its marked items in the
// order it shows them, the folder it shows, and suspending and rebuilding it
// around a run. The main window adapts its explorer lists to this.

#include "core/rename/Gathering.h"

#include <QList>
#include <QString>

namespace vantorim::rename {

class RenameExplorerLink {
public:
  virtual ~RenameExplorerLink() = default;
  virtual QList<MarkedItem> markedItems() const = 0;
  virtual QString currentFolder() const = 0;
  // Stops repainting and following file-system changes until endUpdate().
  virtual void beginUpdate() {}
  virtual void endUpdate() {}
  // Rebuilds the contents from disk, keeping selection, focus and scroll position.
  virtual void rebuild() {}
};

}  // namespace vantorim::rename
