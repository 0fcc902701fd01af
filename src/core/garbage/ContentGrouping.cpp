#include "core/garbage/ContentGrouping.h"

#include "core/platform/FileAccess.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <xxhash.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <set>
#include <thread>
#include <unordered_map>
#include <utility>

namespace vantorim::garbage {

bool pathLess(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

namespace {

// Files up to this size are read in one piece; larger ones first at both ends.
constexpr qint64 kWholeReadLimit = 64 * 1024;
constexpr qint64 kEdgeBlock = 4096;
// At most this many files are held open per thread; others are reopened for
// each block, so that no descriptor limit is reached.
constexpr std::size_t kMaxHeldOpen = 128;
// Copies of block contents kept for byte checks; beyond it blocks are re-read
// from the first file that had them when a second one matches.
constexpr qint64 kKeptBytesBudget = 64 * 1024 * 1024;

using Bucket = std::vector<int>;  // indices into the file list

class BlockReader {
public:
  BlockReader(const std::vector<FileRecord>& files, GroupingResult& result)
      : m_files(files), m_result(result) {}

  // Reads exactly `len` bytes at `offset`; a failure or short read (the file
  // changed or vanished) reports the file once and returns false.
  bool read(int file, qint64 offset, char* buffer, qint64 len, bool keepOpen) {
    if (m_failed.count(file)) return false;
    platform::ReadOnlyFile& handle = m_open[file];
    QString error;
    if (!handle.isOpen() && !handle.open(m_files[file].path, &error)) return fail(file, error);
    const qint64 got = handle.readAt(offset, buffer, len, &error);
    if (got < 0) return fail(file, error);
    if (got < len) return fail(file, QCoreApplication::translate("vantorim::garbage", "the file changed while it was compared"));
    m_result.stats.bytesRead += len;
    if (!keepOpen || m_open.size() > kMaxHeldOpen) close(file);
    return true;
  }

  void close(int file) { m_open.erase(file); }

private:
  bool fail(int file, const QString& why) {
    m_open.erase(file);
    m_failed.insert(file);
    m_result.problems.push_back({m_files[file].path, why});
    return false;
  }

  const std::vector<FileRecord>& m_files;
  GroupingResult& m_result;
  std::unordered_map<int, platform::ReadOnlyFile> m_open;
  std::set<int> m_failed;
};

class Splitter {
public:
  Splitter(BlockReader& reader, const RunControl& control) : m_reader(reader), m_control(control) {}

  // Splits every bucket by the bytes its members hold in [offset, offset+len);
  // members left alone are dropped.
  std::vector<Bucket> split(const std::vector<Bucket>& buckets, qint64 offset, qint64 len,
                            bool keepOpen) {
    std::vector<Bucket> out;
    m_buffer.resize(static_cast<std::size_t>(len));
    char* buf = m_buffer.data();
    for (const Bucket& bucket : buckets) {
      const bool hold = keepOpen && bucket.size() <= kMaxHeldOpen;
      struct Variant {
        QByteArray bytes;  // empty when over the budget: re-read from `members[0]`
        Bucket members;
      };
      std::vector<Variant> variants;
      std::unordered_multimap<XXH64_hash_t, std::size_t> byHash;
      qint64 kept = 0;
      for (int file : bucket) {
        if (m_control.cancelled()) return {};
        if (!m_reader.read(file, offset, buf, len, hold)) continue;
        const XXH64_hash_t hash = XXH3_64bits(buf, static_cast<std::size_t>(len));
        bool placed = false;
        auto [it, end] = byHash.equal_range(hash);
        for (; it != end && !placed; ++it) {
          Variant& v = variants[it->second];
          while (v.bytes.isEmpty() && !v.members.empty()) {
            QByteArray again(static_cast<qsizetype>(len), Qt::Uninitialized);
            if (m_reader.read(v.members[0], offset, again.data(), len, hold))
              v.bytes = std::move(again);
            else
              v.members.erase(v.members.begin());  // vanished: the next one vouches
          }
          if (v.members.empty()) continue;
          if (std::memcmp(v.bytes.constData(), buf, static_cast<std::size_t>(len)) == 0) {
            v.members.push_back(file);
            placed = true;
          }
        }
        if (placed) continue;
        Variant v;
        if (kept + len <= kKeptBytesBudget) {
          v.bytes = QByteArray(buf, static_cast<qsizetype>(len));
          kept += len;
        }
        v.members.push_back(file);
        byHash.emplace(hash, variants.size());
        variants.push_back(std::move(v));
      }
      for (Variant& v : variants) {
        if (v.members.size() >= 2)
          out.push_back(std::move(v.members));
        else if (v.members.size() == 1)
          m_reader.close(v.members[0]);
      }
    }
    return out;
  }

private:
  BlockReader& m_reader;
  const RunControl& m_control;
  std::vector<char> m_buffer;
};

// Splits the distinct files of one size into buckets of identical content.
std::vector<Bucket> compareSizeGroup(const Bucket& group, qint64 size, BlockReader& reader,
                                     const RunControl& control) {
  if (size == 0) return {group};
  Splitter splitter(reader, control);
  std::vector<Bucket> live{group};
  if (size <= kWholeReadLimit) return splitter.split(live, 0, size, false);

  live = splitter.split(live, 0, kEdgeBlock, true);
  if (!live.empty()) live = splitter.split(live, size - kEdgeBlock, kEdgeBlock, true);
  std::vector<Bucket> done;
  for (Bucket& bucket : live) {
    // The rest, block by block for all members at once, so each file is read
    // once from start to end.
    const qint64 block = bucket.size() <= 16 ? (1 << 20) : (256 << 10);
    std::vector<Bucket> rest{std::move(bucket)};
    for (qint64 off = kEdgeBlock; off < size - kEdgeBlock && !rest.empty(); off += block) {
      rest = splitter.split(rest, off, std::min(block, size - kEdgeBlock - off), true);
      if (control.cancelled()) return {};
    }
    for (Bucket& b : rest) {
      for (int f : b) reader.close(f);
      done.push_back(std::move(b));
    }
  }
  return done;
}

}  // namespace

GroupingResult groupIdenticalFiles(std::vector<FileRecord> files, const RunControl& control) {
  GroupingResult result;
  std::sort(files.begin(), files.end(), [](const FileRecord& a, const FileRecord& b) {
    if (a.size != b.size) return a.size < b.size;
    return pathLess(a.path, b.path);
  });

  // Size groups of distinct files: a second path to a file already seen (a
  // hard link, or the same path found twice) is not a file of its own.
  struct SizeGroup {
    qint64 size;
    Bucket files;
  };
  std::vector<SizeGroup> sizeGroups;
  for (std::size_t i = 0; i < files.size();) {
    std::size_t j = i;
    while (j < files.size() && files[j].size == files[i].size) ++j;
    if (files[i].size >= 0 && j - i >= 2) {
      SizeGroup g{files[i].size, {}};
      std::set<std::pair<quint64, quint64>> seenIds;
      std::set<QString> seenPaths;
      for (std::size_t k = i; k < j; ++k) {
        const FileRecord& f = files[k];
        const bool fresh = f.inode != 0 ? seenIds.insert({f.device, f.inode}).second
                                        : seenPaths.insert(f.path).second;
        if (fresh) g.files.push_back(static_cast<int>(k));
      }
      if (g.files.size() >= 2) {
        result.stats.candidates += static_cast<qint64>(g.files.size());
        sizeGroups.push_back(std::move(g));
      }
    }
    i = j;
  }

  // Size groups are independent: a few threads take them in turn. Only the
  // calling thread reports progress.
  struct Outcome {
    std::vector<Bucket> buckets;
    GroupingResult local;
  };
  std::vector<Outcome> outcomes(sizeGroups.size());
  std::atomic<std::size_t> next{0};
  std::atomic<qint64> handled{0};
  const auto work = [&](bool reporting) {
    for (;;) {
      const std::size_t i = next.fetch_add(1);
      if (i >= sizeGroups.size() || control.cancelled()) return;
      const SizeGroup& g = sizeGroups[i];
      BlockReader reader(files, outcomes[i].local);
      outcomes[i].buckets = compareSizeGroup(g.files, g.size, reader, control);
      const qint64 h = handled.fetch_add(static_cast<qint64>(g.files.size())) +
                       static_cast<qint64>(g.files.size());
      if (reporting) control.report(RunStage::CompareFiles, h, result.stats.candidates);
    }
  };
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> helpers;
  for (unsigned t = 1; t < threads && sizeGroups.size() > 1; ++t) helpers.emplace_back(work, false);
  work(true);
  for (std::thread& t : helpers) t.join();
  if (!control.cancelled())
    control.report(RunStage::CompareFiles, handled.load(), result.stats.candidates);
  result.cancelled = control.cancelled();

  for (std::size_t i = 0; i < sizeGroups.size() && !result.cancelled; ++i) {
    Outcome& o = outcomes[i];
    result.stats.bytesRead += o.local.stats.bytesRead;
    for (ItemProblem& p : o.local.problems) result.problems.push_back(std::move(p));
    for (Bucket& b : o.buckets) std::sort(b.begin(), b.end());  // indices follow path order
    std::sort(o.buckets.begin(), o.buckets.end(),
              [](const Bucket& a, const Bucket& b) { return a.front() < b.front(); });
    for (const Bucket& b : o.buckets) {
      ContentGroup group{sizeGroups[i].size, {}};
      for (int f : b) group.files.push_back(files[static_cast<std::size_t>(f)]);
      result.stats.duplicates += static_cast<qint64>(group.files.size()) - 1;
      result.groups.push_back(std::move(group));
    }
  }
  if (result.cancelled) result.groups.clear();
  return result;
}

bool TFileCompare::compare() const {
  QFile a(m_first), b(m_second);
  if (!a.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
      !b.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return false;
  if (a.size() != b.size()) return false;
  constexpr qint64 kBlock = 1 << 20;
  QByteArray ba(kBlock, Qt::Uninitialized), bb(kBlock, Qt::Uninitialized);
  for (;;) {
    const qint64 na = a.read(ba.data(), kBlock);
    qint64 nb = 0;
    while (nb < na) {
      const qint64 n = b.read(bb.data() + nb, na - nb);
      if (n <= 0) return false;
      nb += n;
    }
    if (na < 0) return false;
    if (na == 0) return b.read(bb.data(), 1) == 0;
    if (std::memcmp(ba.constData(), bb.constData(), static_cast<std::size_t>(na)) != 0) return false;
  }
}

}  // namespace vantorim::garbage
