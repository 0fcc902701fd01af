#include "core/app/ExplorerRules.h"
#include "core/app/NameFilter.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QIODevice>
#include <QSet>

using namespace vantorim::app;

TEST(NameFilterTest, PatternListTakesEachPartFromItsLastDot) {
  TNameFilter f;
  f.setPattern("*.jpg|*.jpeg|noext|a.b.TXT");
  EXPECT_EQ(f.patterns(), (QStringList{".jpg", ".jpeg", "", ".TXT"}));
}

TEST(NameFilterTest, AcceptanceCases) {
  struct Case {
    const char* pattern;
    bool enabled;
    const char* name;
    bool accepted;
  } cases[] = {
      {"*.jpg|*.jpeg", true, "Photo.JPG", true},   // name lower-cased
      {"*.jpg|*.jpeg", true, "x.jpeg", true},
      {"*.jpg|*.jpeg", true, "x.png", false},
      {"*.JPG", true, "x.jpg", false},              // pattern not lower-cased
      {"*.JPG", true, "x.JPG", false},
      {"*.jpg", false, "x.png", true},              // disabled accepts all
      {"*", true, "README", true},                  // empty pattern, no extension
      {"*.gz", true, "a.tar.gz", true},
  };
  for (const Case& c : cases) {
    TNameFilter f(c.pattern);
    f.Enabled = c.enabled;
    f.Extension = true;
    EXPECT_EQ(f.accepts(c.name), c.accepted) << c.pattern << " / " << c.name;
  }
}

TEST(NameFilterTest, ContainsNarrowsAnAcceptedName) {
  TNameFilter f("*.txt");
  f.Enabled = f.Extension = f.Contains = true;
  f.ContainsText = "log";
  EXPECT_TRUE(f.accepts("build-log.txt"));
  EXPECT_FALSE(f.accepts("notes.txt"));
  EXPECT_FALSE(f.accepts("log.md"));
}

TEST(NameFilterTest, StreamsItselfInFieldOrder) {
  TNameFilter a("*.mp3|*.mp+");
  a.Enabled = true;
  a.Contains = true;
  a.ContainsText = "Live";
  QByteArray bytes;
  {
    QDataStream out(&bytes, QIODevice::WriteOnly);
    a.writeTo(out);
  }
  EXPECT_EQ(bytes.at(0), 1);  // enabled flag first, one byte
  TNameFilter b;
  QDataStream in(bytes);
  b.readFrom(in);
  EXPECT_TRUE(b.Enabled);
  EXPECT_FALSE(b.Extension);
  EXPECT_TRUE(b.Contains);
  EXPECT_EQ(b.ContainsText, "Live");
  EXPECT_EQ(b.pattern(), "*.mp3|*.mp+");
  EXPECT_EQ(b.patterns(), (QStringList{".mp3", ".mp+"}));
}

TEST(FilterComboTest, StartsInactiveWithTheFixedItemsSorted) {
  FilterComboState s;
  EXPECT_EQ(s.items(), (QStringList{"*.*", "*.bmp", "*.jpg|*.jpeg", "*.mp3|*.mp+", "*.ttf"}));
  EXPECT_FALSE(s.active());
  EXPECT_TRUE(s.shows("a.exe", false));
}

TEST(FilterComboTest, EnterAddsTheTextButDoesNotFilterUntilPicked) {
  FilterComboState s;
  s.confirmText("*.txt");
  EXPECT_TRUE(s.items().contains("*.txt"));
  EXPECT_FALSE(s.active());
  EXPECT_TRUE(s.shows("a.png", false));
  s.confirmText("*.txt");  // no duplicate
  EXPECT_EQ(s.items().count("*.txt"), 1);
  s.selectText("*.txt");
  EXPECT_TRUE(s.active());
  EXPECT_FALSE(s.shows("a.png", false));
  EXPECT_TRUE(s.shows("A.TXT", false));
}

TEST(FilterComboTest, JpegFilterShowsFoldersAndJpegsHidesZipItems) {
  FilterComboState s;
  s.selectText("*.jpg|*.jpeg");
  EXPECT_TRUE(s.shows("Holiday", true));
  EXPECT_TRUE(s.shows("a.JPG", false));
  EXPECT_TRUE(s.shows("b.jpeg", false));
  EXPECT_FALSE(s.shows("c.gif", false));
  EXPECT_FALSE(s.shows("archive.zip", true));
  EXPECT_FALSE(s.shows("archive.zip", false));
  s.selectText("*.*");
  EXPECT_FALSE(s.active());
  EXPECT_TRUE(s.shows("archive.zip", true));
}

TEST(FormatByteSizeTest, TextsInGermanAndEnglish) {
  const QLocale de(QLocale::German, QLocale::Germany), en(QLocale::English, QLocale::UnitedStates);
  struct Case {
    std::int64_t n;
    const char* german;
    const char* english;
  } cases[] = {
      {0, "", ""},
      {-5, "", ""},
      {1, "1 Bytes", "1 Bytes"},
      {1023, "1023 Bytes", "1023 Bytes"},
      {1024, "1,00 KB", "1.00 KB"},
      {1536, "1,50 KB", "1.50 KB"},
      {1048576, "1,00 MB", "1.00 MB"},
      {1073741823, "1024,00 MB", "1024.00 MB"},
      {1073741824, "1,00 GB", "1.00 GB"},
      {std::int64_t(5000) * 1073741824, "5000,00 GB", "5000.00 GB"},  // no thousands separator
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatByteSize(c.n, de), QString::fromUtf8(c.german)) << c.n;
    EXPECT_EQ(FormatByteSize(c.n, en), QString::fromUtf8(c.english)) << c.n;
  }
}

TEST(MakeShortcutNameTest, TakesTheFirstFreeName) {
  QSet<QString> taken;
  auto exists = [&](const QString& p) { return taken.contains(p); };
  const QString plain = QString::fromUtf8("Verknüpfung zu"), numbered = QString::fromUtf8("Verknüpfung (%d) zu");
  EXPECT_EQ(MakeShortcutName("/home/u/Desktop/", "x.txt", plain, numbered, exists),
            QString::fromUtf8("/home/u/Desktop/Verknüpfung zu x.txt"));
  taken << QString::fromUtf8("/home/u/Desktop/Verknüpfung zu x.txt");
  EXPECT_EQ(MakeShortcutName("/home/u/Desktop", "x.txt", plain, numbered, exists),
            QString::fromUtf8("/home/u/Desktop/Verknüpfung (1) zu x.txt"));
}

TEST(MakeShortcutNameTest, EmptyWhenAllTwentyNumberedNamesAreTaken) {
  QSet<QString> taken{"/d/Shortcut to x.txt"};
  for (int i = 1; i <= 19; ++i) taken << QString("/d/Shortcut (%1) to x.txt").arg(i);
  auto exists = [&](const QString& p) { return taken.contains(p); };
  EXPECT_EQ(MakeShortcutName("/d", "x.txt", "Shortcut to", "Shortcut (%d) to", exists),
            "/d/Shortcut (20) to x.txt");
  taken << "/d/Shortcut (20) to x.txt";
  EXPECT_EQ(MakeShortcutName("/d", "x.txt", "Shortcut to", "Shortcut (%d) to", exists), "");
}

TEST(MarkAllTest, FilesAndZipFoldersOnFilePagesFoldersOnTheFoldersPage) {
  EXPECT_TRUE(markAllSelects(false, "a.txt", false));
  EXPECT_TRUE(markAllSelects(true, "archive.zip", false));
  EXPECT_TRUE(markAllSelects(true, "Archive.ZIP", false));
  EXPECT_FALSE(markAllSelects(true, "sub", false));
  EXPECT_TRUE(markAllSelects(true, "sub", true));
  EXPECT_FALSE(markAllSelects(true, "archive.zip", true));
  EXPECT_FALSE(markAllSelects(false, "a.txt", true));
  EXPECT_TRUE(countsAsFile(true, "x.zip"));
  EXPECT_FALSE(countsAsFile(true, "x.zipped"));
}

TEST(DuplicateNotificationTest, DropsOnlyAnExactRepeatOfTheLastOne) {
  DuplicateNotificationFilter f;
  EXPECT_TRUE(f.accept(2, "/m/a", ""));
  EXPECT_FALSE(f.accept(2, "/m/a", ""));
  EXPECT_TRUE(f.accept(4, "/m/a", ""));   // other code
  EXPECT_TRUE(f.accept(4, "/m/b", ""));   // other path
  EXPECT_TRUE(f.accept(2, "/m/a", ""));   // not the last one any more
  EXPECT_TRUE(f.accept(2, "/m/A", ""));   // names are case-sensitive here
}

TEST(UndoBookTest, EventTable) {
  struct Case {
    UndoEvent event;
    bool possible;
    int kind;
    UndoCaption caption;
  } cases[] = {
      {UndoEvent::FileRename, true, 4, UndoCaption::Rename},
      {UndoEvent::FileRename, false, 4, UndoCaption::Rename},
      {UndoEvent::FileRenameSort, true, 5, UndoCaption::Sort},
      {UndoEvent::FileAttributes, true, 1, UndoCaption::ChangeAttributes},
      {UndoEvent::FolderAttributes, true, 2, UndoCaption::ChangeAttributes},
      {UndoEvent::FileSorting, false, 7, UndoCaption::Sort},
      {UndoEvent::FolderRename, true, 3, UndoCaption::Rename},
      {UndoEvent::JpegMoves, true, 6, UndoCaption::Move},
  };
  for (const Case& c : cases) {
    UndoBook b;
    b.runFinished(c.event, c.possible);
    EXPECT_EQ(b.kind(), c.kind);
    EXPECT_EQ(b.caption(), c.caption);
    EXPECT_EQ(b.enabled(), c.possible);
  }
}

TEST(UndoBookTest, LaterRunReplacesUndoConsumesLanguageResetKeepsState) {
  UndoBook b;
  EXPECT_EQ(b.kind(), 0);
  EXPECT_FALSE(b.enabled());
  b.runFinished(UndoEvent::FileRename, true);
  b.runFinished(UndoEvent::FolderAttributes, true);
  EXPECT_EQ(b.kind(), 2);
  EXPECT_EQ(b.caption(), UndoCaption::ChangeAttributes);
  b.languageChanged();
  EXPECT_EQ(b.caption(), UndoCaption::Neutral);
  EXPECT_EQ(b.kind(), 2);
  EXPECT_TRUE(b.enabled());
  b.runFinished(UndoEvent::FileRename, true);
  b.undone();
  EXPECT_EQ(b.kind(), 0);
  EXPECT_FALSE(b.enabled());
  EXPECT_EQ(b.caption(), UndoCaption::Rename);  // caption stays after an undo
}
