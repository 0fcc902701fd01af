#pragma once
// The search engine: walks folders and reports every entry that matches a
// `TSearchCriteria` (name masks, attributes, times, size, contained text).
//
// Runs on the caller's thread or, with `Threaded`, on a worker thread of its own.
// `OnFolderChange` and `OnFileMatch` run on the thread that walks (they are never
// called at the same time); `OnSearchBegin` runs in `Execute`; `OnSearchFinish` runs
// on the thread the object lives on. A receiver on another thread (a result list)
// connects to `filesFound`, which hands the matches over in batches through queued
// signals, in the order they were found, all before `searchFinished`.
//
// Every folder is read once, with all masks matched in memory; an entry that two
// masks match is reported once.

#include "core/platform/DirectoryWalker.h"
#include "core/search/SearchCriteria.h"

#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace vantorim::search {

// One reported entry. Times are UTC. Size, times, inode and links are filled only with
// `TFindFile::Details` (the default).
struct TFileInfo {
  QString Name;
  QString Folder;  // with trailing '/'
  QString Path;
  platform::EntryKind Kind = platform::EntryKind::File;
  std::uint32_t Attributes = 0;  // TFileAttribute bits
  std::int64_t Size = 0;         // 0 for folders
  QDateTime Created;
  QDateTime LastAccess;
  QDateTime LastWrite;
  std::uint64_t Inode = 0;
  std::uint64_t Device = 0;
  std::uint64_t Links = 0;
  int Level = 1;  // level of the containing folder; the searched folder is 1
};

enum class TFolderIgnore { fiNone, fiJustThis, fiJustSubfolders, fiThisAndSubfolders };

struct TTargetSearch;

class TFindFile : public QObject {
  Q_OBJECT

public:
  using FileMatchHandler = std::function<void(TFindFile& sender, const QString& folder, const TFileInfo& info)>;
  using FolderChangeHandler = std::function<void(TFindFile& sender, const QString& folder, TFolderIgnore& ignore)>;
  using NotifyHandler = std::function<void(TFindFile& sender)>;

  explicit TFindFile(QObject* parent = nullptr);
  ~TFindFile() override;  // aborts a running search first

  TSearchCriteria Criteria;
  bool Threaded = false;
  QThread::Priority ThreadPriority = QThread::NormalPriority;
  bool Details = true;     // read size, times and inode of every match
  int ContentThreads = 0;  // threads that read file contents; 0 picks by the machine

  FileMatchHandler OnFileMatch;
  FolderChangeHandler OnFolderChange;
  NotifyHandler OnSearchBegin;
  NotifyHandler OnSearchFinish;
  NotifyHandler OnSearchAbort;

  // Does nothing while busy. Synchronous runs return when the search has finished.
  void Execute();
  // Stops a running search; returns only after the worker thread has ended (and the
  // search has finished), unless called from the worker itself.
  void Abort();

  bool Busy() const { return m_busy.load(); }
  bool Aborted() const { return m_aborted.load(); }
  std::uint64_t FoldersSearched() const { return m_folders.load(); }
  std::uint64_t FilesFound() const { return m_found.load(); }
  // Folders that could not be read in the last search, as "folder: reason".
  QStringList Errors() const;

signals:
  void searchBegin();
  void filesFound(const QList<vantorim::search::TFileInfo>& batch);
  void searchFinished(bool aborted);

private:
  void run();
  void walkTarget(const struct TTargetFolder& target);
  void report(const QString& folder, TFileInfo&& info);
  void flushPending();
  void finish();

  std::unique_ptr<TTargetSearch> m_search;
  std::atomic<bool> m_busy{false};
  std::atomic<bool> m_aborted{false};
  std::atomic<bool> m_aborting{false};
  std::atomic<std::uint64_t> m_folders{0};
  std::atomic<std::uint64_t> m_found{0};
  QThread* m_worker = nullptr;
  bool m_batching = false;
  mutable QMutex m_mutex;  // guards m_pending, m_errors and the match handler
  QList<TFileInfo> m_pending;
  QStringList m_errors;
  bool m_flushQueued = false;
  std::uint64_t m_generation = 0;  // of the worker whose end is awaited
};

}  // namespace vantorim::search

Q_DECLARE_METATYPE(vantorim::search::TFileInfo)
