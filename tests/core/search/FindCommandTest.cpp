#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using vantorim::test::TempDir;

namespace {

using vantorim::test::CliRun;

CliRun cli(const QStringList& args) { return vantorim::test::runCli(QStringList{"find"} + args); }


QStringList sortedLines(const QByteArray& out, char sep = '\n') {
  QStringList lines;
  for (const QByteArray& l : out.split(sep))
    if (!l.isEmpty()) lines << QString::fromUtf8(l);
  lines.sort();
  return lines;
}

}  // namespace

struct CliCase {
  QStringList args;       // the folder is appended unless an arg holds "%d"
  QStringList expected;   // relative to the folder
  int status;
};

TEST(FindCommand, OptionsMapToTheEngine) {
  TempDir dir;
  dir.write("a.txt", "Hello World");
  dir.write("b.TXT", "hello worldwide");
  dir.write("big.bin", QByteArray(5000, 'z'));
  dir.write("sub/c.txt", "nothing");
  dir.write("sub/deeper/d.txt", "hello");
  const QString d = dir.path();
  const std::vector<CliCase> cases = {
      {{"-n", "*.txt"}, {"a.txt", "b.TXT", "sub/c.txt", "sub/deeper/d.txt"}, 0},
      {{"-n", "*.txt", "--no-recursive"}, {"a.txt", "b.TXT"}, 0},
      {{"-n", "*.txt", "--max-level", "2"}, {"a.txt", "b.TXT", "sub/c.txt"}, 0},
      {{"-n", "*.txt", "--min-level", "2"}, {"sub/c.txt", "sub/deeper/d.txt"}, 0},
      {{"-n", "*.txt", "<%d"}, {"a.txt", "b.TXT"}, 0},
      {{"-n", "*.txt", "--no-recursive", ">%d"}, {"a.txt", "b.TXT", "sub/c.txt", "sub/deeper/d.txt"}, 0},
      {{"-c", "hello world"}, {"a.txt", "b.TXT"}, 0},
      {{"-c", "hello world", "-w"}, {"a.txt"}, 0},
      {{"-c", "Hello", "--case-sensitive"}, {"a.txt"}, 0},
      {{"--min-size", "4k"}, {"big.bin"}, 0},
      {{"--max-size", "7", "-n", "*.txt"}, {"sub/c.txt", "sub/deeper/d.txt"}, 0},
      {{"-n", "*.txt", "-x", "sub/", "-x", "b.*"}, {"a.txt", "sub/deeper/d.txt"}, 0},
      {{"-n", "sub", "-a", "d", "-e"}, {"sub"}, 0},
      {{"-n", "*.txt", "--modified-before", "2000-01-01"}, {}, 1},
      {{"-n", "*.txt", "--modified-after", "2000-01-01T00:00"}, {"a.txt", "b.TXT", "sub/c.txt", "sub/deeper/d.txt"}, 0},
      {{"-n", "*.none"}, {}, 1},
      {{"--min-size", "lots"}, {}, 2},
      {{"--attributes", "q"}, {}, 2},
      {{"--frobnicate"}, {}, 2},
  };
  for (const CliCase& c : cases) {
    QStringList args;
    bool placed = false;
    for (QString a : c.args) {
      placed = placed || a.contains("%d");
      args << a.replace("%d", d);
    }
    if (!placed) args << d;
    const CliRun r = cli(args);
    EXPECT_EQ(r.rc, c.status) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
    QStringList expected;
    for (const QString& e : c.expected) expected << d + "/" + e;
    EXPECT_EQ(sortedLines(r.out).join(" ").toStdString(), expected.join(" ").toStdString()) << args.join(' ').toStdString();
  }
}

TEST(FindCommand, NulSeparatedJsonAndErrors) {
  TempDir dir;
  dir.write("with space.txt", "12345");
  dir.write("x.txt", "");
  CliRun r = cli({"-0", "-n", "*.txt", dir.path()});
  EXPECT_EQ(r.rc, 0);
  EXPECT_EQ(r.out.count('\0'), 2);
  EXPECT_EQ(sortedLines(r.out, '\0'), (QStringList{dir.path("with space.txt"), dir.path("x.txt")}));

  r = cli({"--json", "-n", "with*", dir.path()});
  ASSERT_EQ(r.rc, 0);
  const QJsonArray a = QJsonDocument::fromJson(r.out).array();
  ASSERT_EQ(a.size(), 1);
  const QJsonObject o = a[0].toObject();
  EXPECT_EQ(o["path"].toString(), dir.path("with space.txt"));
  EXPECT_EQ(o["size"].toInt(), 5);
  EXPECT_EQ(o["attributes"].toString(), "-----");
  EXPECT_TRUE(QDateTime::fromString(o["modified"].toString(), Qt::ISODateWithMs).isValid());

  r = cli({dir.path("missing")});
  EXPECT_EQ(r.rc, 2);
  EXPECT_TRUE(r.err.contains("missing"));
}
