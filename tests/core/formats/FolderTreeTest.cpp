#include "core/formats/FolderTree.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace vantorim::formats;

namespace {

// "name/child,child" style outline of a tree for comparisons: pre-order, depth dots.
QString outline(const FolderTree& t) {
  QStringList parts;
  for (const FolderNode* n : t.preOrder()) parts << QString(n->depth(), u'.') + n->name;
  return parts.join(u'|');
}

}  // namespace

TEST(FolderTreeTest, WritesTabsPerDepthAndReadsBack) {
  FolderTree t;
  FolderNode* bilder = t.root().addChild("Bilder");
  t.root().addChild("Texte");
  bilder->addChild("2005");
  bilder->addChild("2004");
  t.sort();
  const QByteArray bytes = writeFolderTree(t);
  EXPECT_EQ(bytes, "Bilder\r\n\t2004\r\n\t2005\r\nTexte\r\n");
  FolderTree back;
  EXPECT_TRUE(readFolderTree(bytes, back).ok);
  EXPECT_EQ(outline(back), outline(t));
  EXPECT_EQ(back.root().children[0]->children[1]->path(), "Bilder/2005");
  EXPECT_TRUE(writeFolderTree(FolderTree()).isEmpty());
}

TEST(FolderTreeTest, ReadingRules) {
  struct Case {
    const char* bytes;
    const char* outline;
    int errorLine;  // 0: reads fully
  } cases[] = {
      {"A\r\n\t\tB\r\nC\r\n", "A", 2},                        // two levels down at once
      {"A\n B\n  C\n D\nE", "A|.B|..C|.D|E", 0},              // spaces, one level each
      {"\tA\r\n\tB\r\n", "A|.B", 0},                          // first line always top level
      {"\tA\r\n\t\tB\r\n", "A", 2},                           // ... and places the next from there
      {"A\rB\n\tC\r\n\t\tD\r\n\r\nE", "A|B|.C|..D||E", 0},     // CR, LF, CR LF; empty line top level
      {"A  \r\n\tB \t\r\n", "A  |.B \t", 0},                  // trailing blanks belong to the name
      {"", "", 0},
      {"A\r\n\tB\r\n\t\tC\r\n\tD\r\n\t\t\t\tX\r\nY", "A|.B|..C|.D", 5},
  };
  for (const Case& c : cases) {
    FolderTree t;
    const FolderTreeReadResult r = readFolderTree(c.bytes, t);
    EXPECT_EQ(outline(t), QString::fromUtf8(c.outline)) << c.bytes;
    EXPECT_EQ(r.ok, c.errorLine == 0) << c.bytes;
    EXPECT_EQ(r.errorLine, c.errorLine) << c.bytes;
  }
}

TEST(FolderTreeTest, FilesInUtf8AndOlderSingleByteFiles) {
  vantorim::test::TempDir dir;
  FolderTree t;
  t.root().addChild(QString::fromUtf8("Übersicht"))->addChild(QString::fromUtf8("Grüße"));
  QString error;
  ASSERT_TRUE(saveFolderTreeFile(dir.path("a.ord"), t, error));
  FolderTree back;
  EXPECT_TRUE(loadFolderTreeFile(dir.path("a.ord"), back).ok);
  EXPECT_EQ(outline(back), outline(t));

  const QString old = dir.write("old.ord", QByteArray("M\xfcnchen\r\n\t\x80uro\r\n"));
  EXPECT_TRUE(loadFolderTreeFile(old, back).ok);
  EXPECT_EQ(outline(back), QString::fromUtf8("München|.€uro"));

  EXPECT_FALSE(loadFolderTreeFile(dir.path("missing.ord"), back).ok);
  EXPECT_TRUE(back.isEmpty());
}

TEST(FolderTreeTest, SortIsAlphabeticalWithCaseOnlySeparatingEqualNames) {
  FolderTree t;
  for (const char* n : {"beta", "Alpha", "alpha", "Beta", "gamma"}) t.root().addChild(n);
  t.sort();
  QStringList names;
  for (const auto& c : t.root().children) names << c->name;
  EXPECT_EQ(names.join(','), "alpha,Alpha,beta,Beta,gamma");
}
