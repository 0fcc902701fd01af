#pragma once
// An explorer list for panel tests: items and marks are set by the test, calls
// to the pause, rebuild and navigation operations are counted.

#include "gui/app/ExplorerInterface.h"

#include <QStringList>

namespace vantorim::gui::test {

class FakeExplorer : public ExplorerInterface {
public:
  QList<MarkedItem> marked;  // in display order
  QString folder = QStringLiteral("/");
  QString filter = QStringLiteral("*.*");
  QString focused;
  int beginUpdateCalls = 0;
  int endUpdateCalls = 0;
  int rebuildCalls = 0;
  int depth = 0;
  QStringList rootsSet;
  QStringList lastMarkedPaths;

  QList<MarkedItem> markedItems() const override { return marked; }
  QString focusedPath() const override {
    return !focused.isEmpty() ? focused : (marked.isEmpty() ? QString() : marked.first().path);
  }
  QString currentFolder() const override { return folder; }
  QString filterText() const override { return filter; }
  void beginUpdate() override {
    ++beginUpdateCalls;
    ++depth;
  }
  void endUpdate() override {
    ++endUpdateCalls;
    if (depth > 0 && --depth == 0) ++rebuildCalls;
  }
  void rebuild() override { ++rebuildCalls; }
  bool setRoot(const QString& path) override {
    rootsSet << path;
    folder = path.endsWith('/') ? path : path + '/';
    return true;
  }
  void setMarkedPaths(const QStringList& paths) override {
    lastMarkedPaths = paths;
    marked.clear();
    for (const QString& p : paths) marked.append({p, true});
  }

  // Convenience for tests: files and folders below `folder`, all marked.
  void markFiles(const QStringList& names) {
    for (const QString& n : names) marked.append({folder + n, true});
  }
};

}  // namespace vantorim::gui::test
