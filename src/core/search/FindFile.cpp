#include "core/search/FindFile.h"

#include "core/platform/DirectoryWalker.h"
#include "core/platform/Attributes.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Volumes.h"
#include "core/search/ContentMatcher.h"
#include "core/search/WildcardMask.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace vantorim::search {

using platform::DirectoryWalker;
using platform::EntryKind;
using platform::FolderAction;
using platform::WalkEntry;

namespace {

constexpr std::uint32_t kAttributeBits = ffReadonly | ffHidden | ffSystem | ffDirectory | ffArchive;
constexpr int kBatchSize = 256;

// The search whose walk or content reading runs on this thread, so Abort from a
// handler never waits for itself.
thread_local const void* t_searchOnThisThread = nullptr;

// An excluded path mask read as drive (volume), folder part and name part.
struct ExcludedMask {
  enum class Drive { None, Any, Volume };
  Drive drive = Drive::None;
  std::uint64_t device = 0;   // Volume: the volume's device
  QString mountPoint;         // Volume: its root, without trailing '/'
  QString folder;             // empty: no folder part; else ends with '/'
  QString name;               // empty: no name part

  static ExcludedMask parse(const QString& text) {
    ExcludedMask m;
    const qsizetype slash = text.lastIndexOf('/');
    if (slash < 0) {
      m.name = text;
      return m;
    }
    m.name = text.mid(slash + 1);
    QString dir = text.left(slash + 1);
    if (dir.startsWith('/')) {
      m.drive = Drive::Volume;
      QString root = platform::volumeRoot(dir);
      if (const platform::EntryStat st = platform::statPath(root); st.ok) m.device = st.device;
      if (root.endsWith('/')) root.chop(1);
      m.mountPoint = root;
      m.folder = dir.startsWith(m.mountPoint + '/') ? dir.mid(m.mountPoint.size()) : dir;
    } else if (dir.startsWith('*') || dir.startsWith('?')) {
      m.drive = Drive::Any;
      m.folder = dir.mid(dir.indexOf('/'));
    } else {
      m.folder = dir;
    }
    if (m.folder == "/" && m.drive != Drive::Volume) m.folder.clear();
    return m;
  }

  // folderDevice: device of the entry's folder (only read when a volume is named).
  bool matches(const QString& entryFolder, const QString& entryName, std::uint64_t folderDevice) const {
    QString relative = entryFolder;
    if (drive == Drive::Volume) {
      if (folderDevice != device) return false;
      if (!mountPoint.isEmpty()) {
        if (!entryFolder.startsWith(mountPoint + '/')) return false;
        relative = entryFolder.mid(mountPoint.size());
      }
    }
    if (!folder.isEmpty()) {
      if (!relative.endsWith(folder)) return false;
      // Whole folder names only: "temp/" does not match ".../attemp/".
      const qsizetype at = relative.size() - folder.size();
      if (!folder.startsWith('/') && at > 0 && relative[at - 1] != '/') return false;
    }
    return name.isEmpty() || matchesSplitMask(name, entryName);
  }
};

// A worker pool that reads file contents while the walk goes on.
class ContentPool {
public:
  struct Task {
    std::shared_ptr<platform::FolderHandle> dir;
    QByteArray rawName;
    QString folder;
    TFileInfo info;
  };
  using Report = std::function<void(const QString& folder, TFileInfo&& info)>;

  ContentPool(const ContentMatcher& matcher, int threads, const std::atomic<bool>& aborted, Report report)
      : m_matcher(matcher), m_aborted(aborted), m_report(std::move(report)) {
    for (int i = 0; i < threads; ++i)
      m_threads.emplace_back([this, owner = t_searchOnThisThread] {
        t_searchOnThisThread = owner;
        work();
      });
  }
  ~ContentPool() { finish(); }

  void push(Task&& task) {
    std::unique_lock lock(m_mutex);
    m_spaceFree.wait(lock, [this] { return m_queue.size() < kMaxQueue; });
    m_queue.push_back(std::move(task));
    m_taskReady.notify_one();
  }

  void finish() {
    {
      std::lock_guard lock(m_mutex);
      m_closing = true;
    }
    m_taskReady.notify_all();
    for (auto& t : m_threads)
      if (t.joinable()) t.join();
    m_threads.clear();
  }

private:
  static constexpr std::size_t kMaxQueue = 4096;

  void work() {
    for (;;) {
      Task task;
      {
        std::unique_lock lock(m_mutex);
        m_taskReady.wait(lock, [this] { return m_closing || !m_queue.empty(); });
        if (m_queue.empty()) return;
        task = std::move(m_queue.front());
        m_queue.pop_front();
      }
      m_spaceFree.notify_one();
      if (m_aborted.load(std::memory_order_relaxed)) continue;
      if (m_matcher.matchesFileAt(task.dir->fd(), task.rawName.constData())) m_report(task.folder, std::move(task.info));
    }
  }

  const ContentMatcher& m_matcher;
  const std::atomic<bool>& m_aborted;
  Report m_report;
  std::mutex m_mutex;
  std::condition_variable m_taskReady;
  std::condition_variable m_spaceFree;
  std::deque<Task> m_queue;
  bool m_closing = false;
  std::vector<std::thread> m_threads;
};

bool timeWithin(double value, double before, double after) {
  auto part = [value](double bound) {
    if (bound == std::floor(bound)) return std::floor(value);  // date only
    if (bound < 1) return value - std::floor(value);          // time of day only
    return value;
  };
  if (before != 0 && part(before) > before) return false;
  if (after != 0 && part(after) < after) return false;
  return true;
}

// Blanks and control characters off both ends.
QString trimmed(const QString& s) {
  qsizetype begin = 0, end = s.size();
  while (begin < end && s[begin].unicode() <= 32) ++begin;
  while (end > begin && s[end - 1].unicode() <= 32) --end;
  return s.mid(begin, end - begin);
}

double localNumber(std::int64_t ns) { return dateTimeNumber(platform::dateTimeFromNs(ns).toLocalTime()); }

}  // namespace

struct TTargetFolder {
  QString Folder;  // absolute, trailing '/'
  std::vector<WildcardMask> Masks;
  bool Subfolders = true;
  std::uint16_t MinLevel = 0;
  std::uint16_t MaxLevel = 0;

  void addMask(const QString& text) {
    const std::u32string folded = foldString(text);
    for (const WildcardMask& m : Masks)
      if (foldString(m.text()) == folded) return;
    Masks.emplace_back(text);
  }
};

struct TTargetSearch {
  std::vector<TTargetFolder> Targets;
  std::vector<ExcludedMask> Excluded;
  bool ExcludedNeedsDevice = false;
  TAttributeCriteria Attribute;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  ContentMatcher Content;
  std::uint32_t AttributesToRead = 0;

  explicit TTargetSearch(const TSearchCriteria& c) : Attribute(c.Attribute), TimeStamp(c.TimeStamp), Size(c.Size) {
    const TFileCriteria& f = c.Files;
    auto addTarget = [&](QString folderText, const QStringList& masks) {
      bool subfolders = f.Subfolders;
      if (folderText.startsWith('<') || folderText.startsWith('>')) {
        subfolders = folderText.startsWith('>');
        folderText.remove(0, 1);
      }
      if (folderText.isEmpty()) return;
      const QString folder = DirectoryWalker::folderPath(folderText);
      TTargetFolder* target = nullptr;
      for (TTargetFolder& t : Targets)
        if (t.Folder == folder) target = &t;
      if (!target) {
        Targets.push_back({folder, {}, subfolders, f.MinLevel, f.MaxLevel});
        target = &Targets.back();
      }
      target->Subfolders = subfolders;
      for (const QString& m : masks) target->addMask(m);
    };
    for (const QString& raw : f.Included) {
      QString item = trimmed(raw);
      if (item.isEmpty()) continue;
      QString prefix;
      if (item.startsWith('<') || item.startsWith('>')) {
        prefix = item.left(1);
        item.remove(0, 1);
      }
      const qsizetype slash = item.lastIndexOf('/');
      const QString folder = slash < 0 ? QStringLiteral(".") : item.left(slash + 1);
      const QString mask = item.mid(slash + 1);
      addTarget(prefix + folder, mask.isEmpty() ? QStringList{} : QStringList{mask});
    }
    const QStringList masks = splitMaskList(f.FileName);
    for (const QString& location : splitLocationList(f.Location)) addTarget(location, masks);
    for (const QString& raw : f.Excluded) {
      const QString item = trimmed(raw);
      if (item.isEmpty()) continue;
      Excluded.push_back(ExcludedMask::parse(item));
      ExcludedNeedsDevice = ExcludedNeedsDevice || Excluded.back().drive == ExcludedMask::Drive::Volume;
    }
    Attribute.Attributes &= kAttributeBits;
    if (!c.Content.Phrase.isEmpty()) {
      Content = ContentMatcher(c.Content.Phrase, c.Content.IgnoreCase, c.Content.WholeWord);
      Attribute.Attributes &= ~std::uint32_t(ffDirectory);  // folders never match a content search
    }
    // Only bits that can make an entry fail need to be read.
    AttributesToRead = Attribute.ExactMatch ? kAttributeBits : (kAttributeBits & ~Attribute.Attributes);
  }

  bool needsTimes() const {
    const TDateTimeCriteria& t = TimeStamp;
    return t.CreatedBefore != 0 || t.CreatedAfter != 0 || t.ModifiedBefore != 0 || t.ModifiedAfter != 0 ||
           t.AccessedBefore != 0 || t.AccessedAfter != 0;
  }
};

TFindFile::TFindFile(QObject* parent) : QObject(parent) {
  static const int registered = qRegisterMetaType<TFileInfo>() + qRegisterMetaType<QList<TFileInfo>>();
  (void)registered;
}

TFindFile::~TFindFile() {
  Abort();
  if (m_worker) {
    m_worker->wait();
    delete m_worker;
  }
}

QStringList TFindFile::Errors() const {
  QMutexLocker lock(&m_mutex);
  return m_errors;
}

void TFindFile::Execute() {
  if (m_busy.exchange(true)) return;
  m_aborted = false;
  m_aborting = false;
  m_folders = 0;
  m_found = 0;
  {
    QMutexLocker lock(&m_mutex);
    m_errors.clear();
    m_pending.clear();
    m_flushQueued = false;
  }
  m_search = std::make_unique<TTargetSearch>(Criteria);
  m_batching = isSignalConnected(QMetaMethod::fromSignal(&TFindFile::filesFound));
  if (OnSearchBegin) OnSearchBegin(*this);
  emit searchBegin();
  if (!Threaded) {
    run();
    finish();
    return;
  }
  m_worker = QThread::create([this] { run(); });
  const std::uint64_t generation = ++m_generation;
  connect(m_worker, &QThread::finished, this, [this, generation] {
    if (generation == m_generation) finish();  // not when Abort has finished it already
  }, Qt::QueuedConnection);
  m_worker->start(ThreadPriority);
}

void TFindFile::Abort() {
  if (!m_busy.load() || m_aborting.exchange(true)) return;
  m_aborted = true;
  if (OnSearchAbort) OnSearchAbort(*this);
  if (!m_worker) return;                            // a synchronous run stops at its next check
  if (t_searchOnThisThread == this) return;  // called from a handler of this search
  m_worker->wait();
  finish();
}

void TFindFile::run() {
  const void* const outer = t_searchOnThisThread;
  t_searchOnThisThread = this;
  const TTargetSearch& s = *m_search;
  int threads = ContentThreads > 0 ? ContentThreads : std::min(8, std::max(1, QThread::idealThreadCount()));
  std::unique_ptr<ContentPool> pool;
  if (!s.Content.isEmpty() && threads > 1)
    pool = std::make_unique<ContentPool>(s.Content, threads, m_aborted,
                                         [this](const QString& folder, TFileInfo&& info) { report(folder, std::move(info)); });

  for (const TTargetFolder& target : s.Targets) {
    if (m_aborted) break;
    if (target.Masks.empty()) {
      // No masks: nothing can be found, but the folder is still visited.
      TFolderIgnore ignore = TFolderIgnore::fiNone;
      ++m_folders;
      if (OnFolderChange) OnFolderChange(*this, target.Folder, ignore);
      continue;
    }
    const bool anyName = std::any_of(target.Masks.begin(), target.Masks.end(),
                                     [](const WildcardMask& m) { return m.matchesEverything(); });
    platform::WalkOptions options;
    options.recursive = target.Subfolders;
    options.maxDepth = target.MaxLevel > 0 ? int(target.MaxLevel) - 1 : -1;
    options.cancel = &m_aborted;
    DirectoryWalker walker(options);
    platform::AttributeReader attributes;
    std::shared_ptr<platform::FolderHandle> sharedDir;
    QString deviceFolder;
    std::uint64_t folderDevice = 0;

    walker.onFolder = [&](const QString& folder, int depth) {
      sharedDir.reset();
      TFolderIgnore ignore = m_aborted ? TFolderIgnore::fiThisAndSubfolders : TFolderIgnore::fiNone;
      ++m_folders;
      if (OnFolderChange) OnFolderChange(*this, folder, ignore);
      const bool skipFiles = ignore == TFolderIgnore::fiJustThis || ignore == TFolderIgnore::fiThisAndSubfolders ||
                             depth + 1 < int(target.MinLevel);
      const bool skipSubs = ignore == TFolderIgnore::fiJustSubfolders || ignore == TFolderIgnore::fiThisAndSubfolders;
      if (skipFiles) return skipSubs ? FolderAction::Skip : FolderAction::SkipEntries;
      return skipSubs ? FolderAction::SkipSubfolders : FolderAction::Enter;
    };
    walker.onError = [&](const QString& folder, const QString& why) {
      QMutexLocker lock(&m_mutex);
      m_errors << folder + ": " + why;
    };
    walker.onEntry = [&](const WalkEntry& e) {
      const char* raw = e.rawName();
      if (!anyName) {
        const std::size_t len = std::strlen(raw);
        bool named = false;
        for (const WildcardMask& m : target.Masks)
          if ((named = m.matches(raw, len))) break;
        if (!named) return true;
      }
      // Attributes: with ExactMatch all five must equal the set; otherwise every set one
      // must be in it.
      std::uint32_t bits = attributes.read(e, s.AttributesToRead);
      const std::uint32_t considered = s.AttributesToRead | ffDirectory;
      if (s.Attribute.ExactMatch ? (bits != s.Attribute.Attributes) : ((bits & considered & ~s.Attribute.Attributes) != 0))
        return true;
      if (!s.Content.isEmpty() && !e.isFile()) return true;  // only regular files have contents to read
      const bool isFolder = e.isFolder();
      if (s.Size.Min != 0 || s.Size.Max != 0) {
        const std::uint64_t size = isFolder ? 0 : std::uint64_t(std::max<std::int64_t>(0, e.size()));
        if (s.Size.Min != 0 && size < s.Size.Min) return true;
        if (s.Size.Max != 0 && size > s.Size.Max) return true;
      }
      if (s.needsTimes()) {
        const platform::EntryStat& st = e.stat();
        if (!st.ok) return true;
        const TDateTimeCriteria& t = s.TimeStamp;
        if ((t.CreatedBefore != 0 || t.CreatedAfter != 0) &&
            !timeWithin(localNumber(st.createdNs()), t.CreatedBefore, t.CreatedAfter))
          return true;
        if ((t.ModifiedBefore != 0 || t.ModifiedAfter != 0) &&
            !timeWithin(localNumber(st.lastWriteNs), t.ModifiedBefore, t.ModifiedAfter))
          return true;
        if ((t.AccessedBefore != 0 || t.AccessedAfter != 0) &&
            !timeWithin(localNumber(st.lastAccessNs), t.AccessedBefore, t.AccessedAfter))
          return true;
      }
      if (!s.Excluded.empty()) {
        if (s.ExcludedNeedsDevice && deviceFolder != e.folder()) {
          folderDevice = platform::volumeOfFd(e.folderFd());
          deviceFolder = e.folder();
        }
        for (const ExcludedMask& x : s.Excluded)
          if (x.matches(e.folder(), e.name(), folderDevice)) return true;
      }

      TFileInfo info;
      info.Name = e.name();
      info.Folder = e.folder();
      info.Path = e.folder() + info.Name;
      info.Kind = e.kind();
      info.Level = e.depth() + 1;
      if (Details) {
        bits |= attributes.read(e, kAttributeBits & ~s.AttributesToRead);
        const platform::EntryStat& st = e.stat();
        if (st.ok) {
          info.Size = isFolder ? 0 : st.size;
          info.Created = platform::dateTimeFromNs(st.createdNs());
          info.LastAccess = platform::dateTimeFromNs(st.lastAccessNs);
          info.LastWrite = platform::dateTimeFromNs(st.lastWriteNs);
          info.Inode = st.inode;
          info.Device = st.device;
          info.Links = st.links;
        }
      }
      info.Attributes = bits;

      if (!s.Content.isEmpty()) {
        if (pool) {
          if (!sharedDir) sharedDir = platform::FolderHandle::duplicate(e.folderFd());
          if (sharedDir) {
            pool->push({sharedDir, QByteArray(raw), info.Folder, std::move(info)});
            return true;
          }
        }
        if (!s.Content.matchesFileAt(e.folderFd(), raw)) return true;
      }
      report(info.Folder, std::move(info));
      return true;
    };
    walker.walk(target.Folder);
    sharedDir.reset();
  }
  if (pool) pool->finish();
  t_searchOnThisThread = outer;
  if (!Threaded) flushPending();
}

void TFindFile::report(const QString& folder, TFileInfo&& info) {
  QMutexLocker lock(&m_mutex);
  ++m_found;
  if (OnFileMatch) OnFileMatch(*this, folder, info);
  if (!m_batching) return;
  m_pending.push_back(std::move(info));
  if (!Threaded) {
    // Synchronous runs hand batches over on the caller's thread only, to keep their order.
    if (m_pending.size() >= kBatchSize && QThread::currentThread() == thread()) {
      QList<TFileInfo> batch;
      batch.swap(m_pending);
      lock.unlock();
      emit filesFound(batch);
    }
    return;
  }
  if (!m_flushQueued) {
    m_flushQueued = true;
    QMetaObject::invokeMethod(this, &TFindFile::flushPending, Qt::QueuedConnection);
  }
}

void TFindFile::flushPending() {
  QList<TFileInfo> batch;
  {
    QMutexLocker lock(&m_mutex);
    batch.swap(m_pending);
    m_flushQueued = false;
  }
  if (!batch.isEmpty()) emit filesFound(batch);
}

void TFindFile::finish() {
  if (!m_busy.load()) return;
  ++m_generation;
  if (m_worker) {
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
  }
  flushPending();
  if (OnSearchFinish) OnSearchFinish(*this);
  emit searchFinished(m_aborted.load());
  m_search.reset();
  m_busy = false;
}

}  // namespace vantorim::search
