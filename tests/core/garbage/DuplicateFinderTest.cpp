#include "core/garbage/DuplicateFinder.h"
#include "core/garbage/FileGathering.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <thread>

using namespace vantorim::garbage;
using vantorim::test::TempDir;

TEST(DuplicateRoots, SortedAndNestedDropped) {
  struct Case {
    QStringList given;
    QStringList roots;
  };
  const Case cases[] = {
      {{"/data/photos/2004", "/data/photos"}, {"/data/photos/"}},
      {{"/data/ab", "/data/a"}, {"/data/a/", "/data/ab/"}},
      {{"/b/", "/a", "/a/"}, {"/a/", "/b/"}},
      {{"/data/A", "/data/a/x"}, {"/data/A/", "/data/a/x/"}},  // names are case-sensitive
  };
  for (const Case& c : cases) EXPECT_EQ(chooseSearchRoots(c.given), c.roots) << c.given.join(',').toStdString();
}

TEST(DuplicateRoots, FilterSeparatorsBecomeMaskSeparators) {
  EXPECT_EQ(masksFromFilter("*.jpg|*.jpeg"), "*.jpg;*.jpeg");
}

namespace {

struct Tree {
  TempDir dir;
  QString a1, a2, a3, odd, big1, big2, solo;
  Tree() {
    a1 = dir.write("one/a.txt", "identical content");
    a2 = dir.write("one/sub/a copy.txt", "identical content");
    a3 = dir.write("two/a.TXT", "identical content");
    odd = dir.write("two/odd.txt", "identicaX content");
    const QByteArray big(200000, 'z');
    big1 = dir.write("two/big.jpg", big);
    big2 = dir.write("one/big.jpeg", big);
    solo = dir.write("one/solo.txt", "only one of its size");
  }
};

QStringList paths(const DuplicateGroup& g) {
  QStringList l;
  for (const DuplicateEntry& e : g) l << e.file.path;
  return l;
}

}  // namespace

// Nested roots are walked once; three copies and an odd file of equal size
// give one group of three; the largest files group like any other.
TEST(DuplicateFinder, FindsGroupsBelowNestedRoots) {
  Tree t;
  const QStringList roots = chooseSearchRoots({t.dir.path("one/sub"), t.dir.path(), t.dir.path("two")});
  const DuplicateSearchResult r = searchDuplicates(roots, "*");
  EXPECT_FALSE(r.cancelled);
  EXPECT_EQ(r.filesFound, 7);
  EXPECT_EQ(r.candidates, 6);
  EXPECT_EQ(r.duplicates, 3);
  ASSERT_EQ(r.groups.size(), 2u);
  EXPECT_EQ(paths(r.groups[0]), (QStringList{t.a1, t.a2, t.a3}));
  EXPECT_EQ(paths(r.groups[1]), (QStringList{t.big2, t.big1}));
}

TEST(DuplicateFinder, MasksSelectFiles) {
  Tree t;
  const DuplicateSearchResult r = searchDuplicates({t.dir.path() + '/'}, masksFromFilter("*.JPG|*.jpeg"));
  EXPECT_EQ(r.filesFound, 2);
  ASSERT_EQ(r.groups.size(), 1u);
  EXPECT_EQ(paths(r.groups[0]), (QStringList{t.big2, t.big1}));
}

// A link to a file is never a copy of it: trashing the file would leave it dangling.
TEST(DuplicateFinder, SymbolicLinksAreNotCompared) {
  TempDir dir;
  const QString f = dir.write("f.txt", "bytes");
  ASSERT_TRUE(QFile::link(f, dir.path("link.txt")));
  EXPECT_TRUE(searchDuplicates({dir.path() + '/'}, "*").groups.empty());
}

TEST(DuplicateFinder, MarkingAndTrashLeaveOneFilePerGroup) {
  Tree t;
  DuplicateSearchResult r = searchDuplicates({t.dir.path() + '/'}, "*");
  markDuplicatesForDeletion(r.groups);
  for (const DuplicateGroup& g : r.groups) {
    EXPECT_FALSE(g[0].marked);
    for (std::size_t i = 1; i < g.size(); ++i) EXPECT_TRUE(g[i].marked);
  }
  const TrashOutcome out = deleteMarkedDuplicates(r.groups);
  EXPECT_TRUE(out.skipped.empty());
  EXPECT_EQ(out.trashed, (QStringList{t.a2, t.a3, t.big1}));
  for (const QString& p : {t.a1, t.big2, t.odd, t.solo}) EXPECT_TRUE(QFileInfo::exists(p));
  for (const QString& p : {t.a2, t.a3, t.big1}) EXPECT_FALSE(QFileInfo::exists(p));
}

// A copy that changed after the comparison, or whose kept file changed, stays.
TEST(DuplicateFinder, ChangedFilesAreSkippedAndReported) {
  Tree t;
  DuplicateSearchResult r = searchDuplicates({t.dir.path() + '/'}, "*");
  markDuplicatesForDeletion(r.groups);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  t.dir.write("one/sub/a copy.txt", "different content");  // same size, new bytes
  QFile::remove(t.big2);                                   // the kept file of the second group
  const TrashOutcome out = deleteMarkedDuplicates(r.groups);
  EXPECT_EQ(out.trashed, (QStringList{t.a3}));
  ASSERT_EQ(out.skipped.size(), 2u);
  EXPECT_EQ(out.skipped[0].path, t.a2);
  EXPECT_EQ(out.skipped[1].path, t.big1);
  EXPECT_TRUE(QFileInfo::exists(t.a2));
  EXPECT_TRUE(QFileInfo::exists(t.big1));
}

TEST(DuplicateFinder, ProtectedSystemFoldersAreNeverTrashed) {
  DuplicateGroup g{{{"/home/none/a", 1, 0, 0, 0}, false}, {{"/usr/none/a", 1, 0, 0, 0}, true}};
  const TrashOutcome out = deleteMarkedDuplicates({g});
  ASSERT_EQ(out.skipped.size(), 1u);
  EXPECT_TRUE(out.trashed.isEmpty());
}

TEST(DuplicateFinder, DifferentSizesOnlyGiveNoCandidates) {
  TempDir dir;
  dir.write("a", "1");
  dir.write("b", "22");
  dir.write("c", "333");
  const DuplicateSearchResult r = searchDuplicates({dir.path() + '/'}, "*");
  EXPECT_EQ(r.filesFound, 3);
  EXPECT_EQ(r.candidates, 0);
  EXPECT_TRUE(r.groups.empty());
}

// Progress arrives per stage; a cancel given while comparing ends the run
// without a partial result.
TEST(DuplicateFinder, ProgressAndCancel) {
  Tree t;
  std::atomic_bool cancel{false};
  std::vector<RunStage> stages;
  RunControl control;
  control.cancel = &cancel;
  control.progress = [&](const RunProgress& p) {
    stages.push_back(p.stage);
    if (p.stage == RunStage::CompareFiles) cancel = true;
  };
  const DuplicateSearchResult r = searchDuplicates({t.dir.path() + '/'}, "*", control);
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.groups.empty());
  ASSERT_FALSE(stages.empty());
  EXPECT_EQ(stages.front(), RunStage::GatherFiles);
  EXPECT_EQ(stages.back(), RunStage::CompareFiles);
}
