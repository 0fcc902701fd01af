#pragma once
// Progress and cancelling shared by the garbage engines. An engine polls the
// cancel flag between items and reports how far it is; both are optional.

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>

namespace vantorim::garbage {

enum class RunStage {
  GatherFiles,    // walking the roots for files
  CompareFiles,   // content comparison of equal-size files
  GatherFolders,  // walking the roots for folders
  TestFolders,    // recursive size of each folder
  TrashItems,     // moving items to the trash
  TestJpegs,      // damage test of JPEG files
  ReduceJpegs,    // slimming of JPEG files
};

struct RunProgress {
  RunStage stage = RunStage::GatherFiles;
  qint64 done = 0;
  qint64 total = 0;  // 0 when not known yet
  QString item;      // the path being handled, when there is one
};

struct RunControl {
  const std::atomic_bool* cancel = nullptr;
  std::function<void(const RunProgress&)> progress;

  bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
  void report(RunStage stage, qint64 done, qint64 total, const QString& item = {}) const {
    if (progress) progress(RunProgress{stage, done, total, item});
  }
};

// One item that could not be handled, with a readable reason.
struct ItemProblem {
  QString path;
  QString reason;
};

}  // namespace vantorim::garbage
