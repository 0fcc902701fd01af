#include "core/garbage/ContentGrouping.h"

#include "core/platform/DirectoryWalker.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <unistd.h>

using namespace vantorim::garbage;
using vantorim::test::TempDir;

namespace {

FileRecord recordOf(const QString& path) {
  const vantorim::platform::EntryStat st = vantorim::platform::statPath(path);
  EXPECT_TRUE(st.ok) << path.toStdString();
  return {path, st.size, st.device, st.inode, st.statusChangeNs};
}

std::vector<FileRecord> recordsOf(const QStringList& paths) {
  std::vector<FileRecord> out;
  for (const QString& p : paths) out.push_back(recordOf(p));
  return out;
}

// Groups as sorted lists of paths, for comparing with an expectation.
std::set<QStringList> pathSets(const GroupingResult& r) {
  std::set<QStringList> out;
  for (const ContentGroup& g : r.groups) {
    QStringList l;
    for (const FileRecord& f : g.files) l << f.path;
    std::sort(l.begin(), l.end());
    out.insert(l);
  }
  return out;
}

// What a full byte comparison gives: files grouped by their whole content.
std::set<QStringList> byteOracle(const QStringList& paths) {
  std::map<QByteArray, QStringList> byContent;
  for (const QString& p : paths) byContent[vantorim::test::readAll(p)] << p;
  std::set<QStringList> out;
  for (auto& [bytes, l] : byContent) {
    if (l.size() < 2) continue;
    std::sort(l.begin(), l.end());
    out.insert(l);
  }
  return out;
}

QByteArray pattern(qint64 size, quint32 seed) {
  QByteArray b(size, Qt::Uninitialized);
  QRandomGenerator gen(seed);
  for (qint64 i = 0; i < size; ++i) b[i] = static_cast<char>(gen.bounded(256));
  return b;
}

}  // namespace

// One byte differs at a telling position: only the untouched copies group.
TEST(ContentGrouping, EqualSizesDifferingAtOneByte) {
  struct Case {
    qint64 size;
    qint64 position;
  };
  const qint64 big = 3 * 1024 * 1024 + 123;
  const Case cases[] = {
      {1000, 0}, {1000, 999}, {1000, 500},
      {big, 0}, {big, big - 1}, {big, big / 2},
      {big, 4095}, {big, 4096}, {big, big - 4097}, {big, big - 4096},
      {big, 4096 + (1 << 20)}, {big, 4096 + (1 << 20) - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.size << " position " << c.position);
    TempDir dir;
    const QByteArray base = pattern(c.size, 7);
    QByteArray odd = base;
    odd[c.position] = static_cast<char>(odd[c.position] ^ 0x5A);
    const QStringList paths = {dir.write("a", base), dir.write("b", base), dir.write("c", odd),
                               dir.write("d", base)};
    const GroupingResult r = groupIdenticalFiles(recordsOf(paths));
    EXPECT_EQ(pathSets(r), (std::set<QStringList>{{paths[0], paths[1], paths[3]}}));
    EXPECT_EQ(r.stats.candidates, 4);
    EXPECT_EQ(r.stats.duplicates, 2);
    // Every byte is read at most once.
    EXPECT_LE(r.stats.bytesRead, 4 * c.size);
  }
}

// Many files with few variants per size: the groups equal full comparison.
TEST(ContentGrouping, AgreesWithFullByteComparison) {
  TempDir dir;
  QStringList paths;
  QRandomGenerator gen(42);
  int n = 0;
  for (qint64 size : {qint64(0), qint64(1), qint64(17), qint64(4096), qint64(70000), qint64(300000)}) {
    const QByteArray a = pattern(size, 1), b = pattern(size, 2);
    for (int i = 0; i < 7; ++i) {
      QByteArray bytes = (gen.bounded(2) != 0) ? a : b;
      if (size > 0 && gen.bounded(3) == 0) bytes[gen.bounded(int(size))] = 'x';
      paths << dir.write(QString("f%1").arg(n++), bytes);
    }
  }
  const GroupingResult r = groupIdenticalFiles(recordsOf(paths));
  EXPECT_EQ(pathSets(r), byteOracle(paths));
  EXPECT_TRUE(r.problems.empty());
}

// Groups larger than the number of files held open at once still come out right.
TEST(ContentGrouping, LargeSizeGroup) {
  TempDir dir;
  QStringList paths;
  const QByteArray a = pattern(70000, 3);
  QByteArray b = a;
  b[40000] = static_cast<char>(b[40000] ^ 1);
  for (int i = 0; i < 300; ++i) paths << dir.write(QString("f%1").arg(i), i % 3 == 0 ? b : a);
  const GroupingResult r = groupIdenticalFiles(recordsOf(paths));
  EXPECT_EQ(pathSets(r), byteOracle(paths));
  ASSERT_EQ(r.groups.size(), 2u);
}

TEST(ContentGrouping, ReferenceIsFirstByPathAndGroupsBySize) {
  TempDir dir;
  const QString b2 = dir.write("B2", "xy"), a2 = dir.write("a2", "xy");
  const QString z1 = dir.write("z1", "q"), y1 = dir.write("Y1", "q");
  const GroupingResult r = groupIdenticalFiles(recordsOf({b2, z1, a2, y1}));
  ASSERT_EQ(r.groups.size(), 2u);
  EXPECT_EQ(r.groups[0].size, 1);
  EXPECT_EQ(r.groups[0].files[0].path, y1);
  EXPECT_EQ(r.groups[1].files[0].path, a2);
  EXPECT_EQ(r.groups[1].files[1].path, b2);
}

// Hard links are one file: never duplicates of each other, counted once.
TEST(ContentGrouping, HardLinksAreOneFile) {
  TempDir dir;
  const QString a = dir.write("a", "same bytes");
  const QString link = dir.path("a-link");
  ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(link).constData()), 0);
  EXPECT_TRUE(groupIdenticalFiles(recordsOf({a, link})).groups.empty());

  const QString copy = dir.write("b", "same bytes");
  const GroupingResult r = groupIdenticalFiles(recordsOf({link, copy, a}));
  EXPECT_EQ(pathSets(r), (std::set<QStringList>{{a, copy}}));
  EXPECT_EQ(r.stats.candidates, 2);
}

// A file that vanished after the walk is left out and reported; the others still group.
TEST(ContentGrouping, VanishedFileIsReported) {
  TempDir dir;
  const QStringList paths = {dir.write("a", "abc"), dir.write("b", "abc"), dir.write("c", "abc")};
  std::vector<FileRecord> records = recordsOf(paths);
  QFile::remove(paths[1]);
  const GroupingResult r = groupIdenticalFiles(records);
  EXPECT_EQ(pathSets(r), (std::set<QStringList>{{paths[0], paths[2]}}));
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_EQ(r.problems[0].path, paths[1]);
}

TEST(ContentGrouping, CancelStopsWithoutGroups) {
  TempDir dir;
  const QStringList paths = {dir.write("a", "abc"), dir.write("b", "abc")};
  std::atomic_bool cancel{true};
  RunControl control;
  control.cancel = &cancel;
  const GroupingResult r = groupIdenticalFiles(recordsOf(paths), control);
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.groups.empty());
}

TEST(ContentGrouping, FileCompareStreams) {
  TempDir dir;
  const QByteArray big = pattern(2500000, 9);
  QByteArray other = big;
  other[2400000] = 'x';
  TFileCompare cmp;
  cmp.setFirst(dir.write("a", big));
  cmp.setSecond(dir.write("b", big));
  EXPECT_TRUE(cmp.compare());
  cmp.setSecond(dir.write("c", other));
  EXPECT_FALSE(cmp.compare());
  cmp.setSecond(dir.path("missing"));
  EXPECT_FALSE(cmp.compare());
}
