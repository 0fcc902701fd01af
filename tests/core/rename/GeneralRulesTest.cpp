// Name-building rules of the general layer, driven by tables of cases.

#include "core/rename/GeneralRules.h"
#include "core/rename/NameText.h"

#include <gtest/gtest.h>

#include <QDateTime>

using namespace vantorim::rename;

namespace {

NameLists listsOf(const QStringList& paths) { return {paths, paths, {}}; }

QStringList fileNames(const QStringList& paths) {
  QStringList out;
  for (const QString& p : paths) out << fileNameOf(p);
  return out;
}

struct RuleCase {
  const char* label;
  GeneralParams params;
  QStringList files;     // names below /d/
  QStringList expected;  // new file names, or empty when `message` aborts
  Message message = Message::None;
};

GeneralParams with(GeneralMode mode, const std::function<void(GeneralParams&)>& set = {}) {
  GeneralParams p;
  p.mode = mode;
  if (set) set(p);
  return p;
}

QStringList inFolder(const QStringList& names) {
  QStringList out;
  for (const QString& n : names) out << "/d/" + n;
  return out;
}

class GeneralRuleTable : public ::testing::TestWithParam<RuleCase> {};

TEST_P(GeneralRuleTable, BuildsNames) {
  const RuleCase& c = GetParam();
  NameLists lists = listsOf(inFolder(c.files));
  RuleState state;
  const RuleOutcome out = applyGeneralRule(c.params, {}, lists, state);
  EXPECT_EQ(out.message, c.message) << c.label;
  if (!out.aborted()) {
    EXPECT_EQ(fileNames(lists.newPaths), c.expected) << c.label;
  } else {
    EXPECT_EQ(lists.newPaths, inFolder(c.files)) << c.label << ": names must stay after an abort";
  }
}

const GeneralMode M0 = GeneralMode::NumberIndex, M1 = GeneralMode::CharacterIndex,
                  M2 = GeneralMode::CompleteName, M3 = GeneralMode::Replace, M4 = GeneralMode::Insert,
                  M5 = GeneralMode::Cut, M6 = GeneralMode::Case, M7 = GeneralMode::Shorten,
                  M8 = GeneralMode::Extension, M9 = GeneralMode::DateTime;

// A name with characters outside the basic plane: U+1F600 (two UTF-16 units) and ä.
const QString kEmoji = QString::fromUcs4(U"\U0001F600");

INSTANTIATE_TEST_SUITE_P(
    Rename, GeneralRuleTable,
    ::testing::Values(
        RuleCase{"counter digits 3 start 7 step 5",
                 with(M0, [](auto& p) { p.baseName = "Bild"; p.digits = 3; p.startValue = "7"; p.step = 5; }),
                 {"a.jpg", "b.JPG", "c"}, {"Bild007.jpg", "Bild012.JPG", "Bild017"}},
        RuleCase{"counter at the beginning, extension upper a-z only",
                 with(M0, [](auto& p) { p.baseName = "x"; p.digits = 2; p.indexPlace = 1; p.extensionCase = 1; }),
                 {QString::fromUtf8("a.jpgä")}, {QString::fromUtf8("00x.JPGä")}},
        RuleCase{"counter longer than digits is not cut",
                 with(M0, [](auto& p) { p.digits = 1; p.startValue = "9"; p.step = 1; }),
                 {"a"}, {"9"}},
        RuleCase{"counter capacity too low", with(M0, [](auto& p) { p.digits = 1; p.startValue = "5"; p.step = 2; }),
                 {"a", "b", "c"}, {}, Message::TooFewDigits},
        RuleCase{"counter start not a number", with(M0, [](auto& p) { p.startValue = "1x"; }), {"a"}, {},
                 Message::InvalidInteger},
        RuleCase{"letters advance with carry", with(M1, [](auto& p) { p.baseName = "L"; p.digits = 2; p.startLetters = "ay"; }),
                 {"1.t", "2.t", "3.t"}, {"Lay.t", "Laz.t", "Lba.t"}},
        RuleCase{"letters of wrong length start at a", with(M1, [](auto& p) { p.digits = 3; p.startLetters = "b"; }),
                 {"1", "2"}, {"aaa", "aab"}},
        RuleCase{"letters zy: capacity 26 suffices for two", with(M1, [](auto& p) { p.digits = 2; p.startLetters = "zy"; }),
                 {"1", "2"}, {"zy", "zz"}},
        RuleCase{"letters zy: capacity 26 too low for 27",
                 with(M1, [](auto& p) { p.digits = 2; p.startLetters = "zy"; }),
                 QStringList(27, "f"), {}, Message::TooFewDigits},
        RuleCase{"mode 2 base + name, extension lower",
                 with(M2, [](auto& p) { p.baseName = "Urlaub_"; p.extensionCase = 2; }), {"Foto.JPG"},
                 {"Urlaub_Foto.jpg"}},
        RuleCase{"mode 2 number + name ignores the step",
                 with(M2, [](auto& p) { p.baseName = "b"; p.completeVariant = 1; p.digits = 2; p.startValue = "8"; p.step = 9; }),
                 {"x.a", "y.a"}, {"08x.a", "09y.a"}},
        RuleCase{"mode 2 refuses an empty base name", with(M2), {"x"}, {}, Message::NoMainName},
        RuleCase{"mode 2 number variant refuses an empty base name too",
                 with(M2, [](auto& p) { p.completeVariant = 1; }), {"x"}, {}, Message::NoMainName},
        RuleCase{"replace-all aaa/aa/b", with(M3, [](auto& p) { p.searchText = "aa"; p.replacement = "b"; }),
                 {"aaa"}, {"ba"}},
        RuleCase{"replace dots including the extension",
                 with(M3, [](auto& p) { p.searchText = "."; p.replacement = "_"; }), {"a.b.txt"}, {"a_b_txt"}},
        RuleCase{"replace is case-sensitive and not rescanned",
                 with(M3, [](auto& p) { p.searchText = "Foto"; p.replacement = "FotoFoto"; }),
                 {"Foto foto.jpg"}, {"FotoFoto foto.jpg"}},
        RuleCase{"replace without search text keeps names", with(M3), {"a.b"}, {"a.b"}, Message::NoSearchText},
        RuleCase{"insert from the start", with(M4, [](auto& p) { p.insertText = "_"; p.insertPosition = 4; }),
                 {"Bild0815.jpg", "abc.jpg"}, {"Bild_0815.jpg", "abc.jpg"}},
        RuleCase{"insert from the end, position 0 appends",
                 with(M4, [](auto& p) { p.insertText = "-x"; p.insertFromEnd = 1; }), {"name.txt"}, {"name-x.txt"}},
        RuleCase{"insert at character positions of a multi-byte name",
                 with(M4, [](auto& p) { p.insertText = "|"; p.insertPosition = 2; }),
                 {kEmoji + QString::fromUtf8("ä") + "b.txt"}, {kEmoji + QString::fromUtf8("ä|b.txt")}},
        RuleCase{"cut from the start", with(M5, [](auto& p) { p.cutCount = 2; p.cutPosition = 4; }),
                 {"Bild0815.jpg"}, {"Bild15.jpg"}},
        RuleCase{"cut from the end", with(M5, [](auto& p) { p.cutCount = 2; p.cutPosition = 4; p.cutFromEnd = 1; }),
                 {"Bild0815.jpg"}, {"Bild15.jpg"}},
        RuleCase{"cut one beyond the end is ignored", with(M5, [](auto& p) { p.cutCount = 3; p.cutPosition = 2; }),
                 {"abcd.x"}, {"ab.x"}},
        RuleCase{"cut count above the chars left keeps the name",
                 with(M5, [](auto& p) { p.cutCount = 4; p.cutPosition = 2; }), {"abcd.x"}, {"abcd.x"}},
        RuleCase{"cut from the end with position below count keeps the name",
                 with(M5, [](auto& p) { p.cutCount = 3; p.cutPosition = 2; p.cutFromEnd = 1; }), {"abcd.x"}, {"abcd.x"}},
        RuleCase{"cut never splits a character",
                 with(M5, [](auto& p) { p.cutCount = 1; p.cutPosition = 1; }),
                 {"a" + kEmoji + "b"}, {"ab"}},
        RuleCase{"capitalise umlaut and extension",
                 with(M6, [](auto& p) { p.caseTarget = 2; }), {QString::fromUtf8("äpfel.txt")}, {QString::fromUtf8("Äpfel.Txt")}},
        RuleCase{"capitalise .htaccess name changes nothing", with(M6), {".htaccess"}, {".htaccess"}},
        RuleCase{"capitalise .htaccess extension", with(M6, [](auto& p) { p.caseTarget = 1; }), {".htaccess"},
                 {".Htaccess"}},
        RuleCase{"word beginnings after spaces only",
                 with(M6, [](auto& p) { p.caseKind = 1; }), {"der  alte-mann.txt"}, {"Der  Alte-mann.txt"}},
        RuleCase{"upper keeps sharp s and y diaeresis",
                 with(M6, [](auto& p) { p.caseKind = 2; p.caseTarget = 2; }), {QString::fromUtf8("straße ÿ.txt")},
                 {QString::fromUtf8("STRAßE ÿ.TXT")}},
        RuleCase{"lower Latin-1 (thorn stays) and beyond",
                 with(M6, [](auto& p) { p.caseKind = 3; }), {QString::fromUtf8("ÄÖÜ×ÞΩ.TXT")},
                 {QString::fromUtf8("äöü×Þω.TXT")}},
        RuleCase{"invert", with(M6, [](auto& p) { p.caseKind = 4; p.caseTarget = 2; }), {QString::fromUtf8("aBç.Txt")},
                 {QString::fromUtf8("AbÇ.tXT")}},
        RuleCase{"shorten by from the start", with(M7, [](auto& p) { p.shortenCount = 3; }), {"abcdef.txt", "abc.txt"},
                 {"def.txt", "abc.txt"}},
        RuleCase{"shorten to x from the end", with(M7, [](auto& p) { p.shortenCount = 4; p.shortenKind = 1; p.shortenFromEnd = 1; }),
                 {"abcdef.txt", "ab.txt"}, {"abcd.txt", "ab.txt"}},
        RuleCase{"shorten to x counting the extension",
                 with(M7, [](auto& p) { p.shortenCount = 7; p.shortenKind = 1; p.shortenTarget = 1; p.shortenFromEnd = 1; }),
                 {"abcdef.txt", "abc.longext"}, {"abc.txt", "abc.longext"}},
        RuleCase{"8.3 from the end", with(M7, [](auto& p) { p.shortenKind = 2; p.shortenFromEnd = 1; }),
                 {"Urlaubsbild.jpeg"}, {"Urlaubsb.jpe"}},
        RuleCase{"8.3 from the start counts characters",
                 with(M7, [](auto& p) { p.shortenKind = 2; }),
                 {kEmoji + kEmoji + "abcdefgh.c"}, {"abcdefgh.c"}},
        RuleCase{"extension changes every file",
                 with(M8, [](auto& p) { p.oldExtension = "*.txt"; p.newExtension = "*.md"; }),
                 {"a.txt", "b.doc", "c"}, {"a.md", "b.md", "c.md"}},
        RuleCase{"extension without old one", with(M8, [](auto& p) { p.newExtension = "*.md"; }), {"a"}, {},
                 Message::NoOldExtension},
        RuleCase{"extension without new one", with(M8, [](auto& p) { p.changeAllExtensions = true; }), {"a"}, {},
                 Message::NoNewExtension},
        RuleCase{"own date and time behind the name",
                 with(M9, [](auto& p) {
                   p.dateSource = 1; p.ownDate = "07/03/2004"; p.ownTime = "14.05.09"; p.dateArrangement = 3;
                   p.datePlacement = 1; p.dateOrder = 2; }),
                 {"Urlaub.jpg"}, {"Urlaub 14.05.09 2004-03-07.jpg"}},
        RuleCase{"own date month first",
                 with(M9, [](auto& p) { p.dateSource = 1; p.ownDate = "03/07/2004"; p.dateFormat = DateFormat::MMDDYYYY; }),
                 {"x.jpg"}, {"07-03-2004 x.jpg"}}));

TEST(RenameRules, DateFromCreationTime) {
  GeneralParams p;
  p.mode = GeneralMode::DateTime;
  p.dateOrder = 2;
  p.dateArrangement = 1;
  NameLists lists = listsOf({"/d/Urlaub.jpg", "/d/gone.jpg"});
  RuleState state;
  const CreationTimeReader reader = [](const QString& path) -> std::optional<QDateTime> {
    if (path.endsWith("gone.jpg")) return std::nullopt;  // falls back to the value read last
    return QDateTime(QDate(2004, 3, 7), QTime(14, 5, 9));
  };
  applyGeneralRule(p, {}, lists, state, reader);
  EXPECT_EQ(fileNames(lists.newPaths), QStringList({"2004-03-07 14.5.9 Urlaub.jpg", "2004-03-07 14.5.9 gone.jpg"}));

  NameLists none = listsOf({"/d/a"});
  applyGeneralRule(p, {}, none, state, [](const QString&) { return std::nullopt; });
  EXPECT_EQ(fileNameOf(none.newPaths[0]), "1899-12-30 0.0.0 a");
}

TEST(RenameRules, LastNumberAndCapacityBoundary) {
  GeneralParams p;
  p.digits = 3;
  p.startValue = "7";
  p.step = 5;
  RuleState state;
  NameLists three = listsOf({"/d/a", "/d/b", "/d/c"});
  applyGeneralRule(p, {}, three, state);
  EXPECT_EQ(state.lastNumber, 9);

  p.digits = 2;
  p.startValue = "0";
  p.step = 1;
  QStringList hundred;
  for (int i = 0; i < 100; ++i) hundred << QString("/d/f%1").arg(i);
  NameLists lists = listsOf(hundred);
  EXPECT_EQ(applyGeneralRule(p, {}, lists, state).message, Message::None);
  EXPECT_EQ(fileNameOf(lists.newPaths.last()), "99");
  hundred << "/d/one-more";
  NameLists tooMany = listsOf(hundred);
  EXPECT_EQ(applyGeneralRule(p, {}, tooMany, state).message, Message::TooFewDigits);
}

TEST(RenameRules, LetterAdvance) {
  const std::pair<const char*, const char*> cases[] = {
      {"aa", "ab"}, {"az", "ba"}, {"azz", "baa"}, {"A", "B"}, {"Z", "["}, {"zz", "aa"}, {"z{", "aa"}};
  for (const auto& [from, to] : cases) EXPECT_EQ(advanceLetters(from), QString(to)) << from;
}

TEST(RenameRules, ReplaceAllProcedure) {
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("Foto Foto", "Foto", "Bild"), "Bild Bild");
  EXPECT_EQ(replaceAll("a", "aa", "b"), "a");
  EXPECT_EQ(replaceAll("xax", "a", ""), "xx");
  EXPECT_EQ(replaceAll("abc", "", "z"), "abc");
}

TEST(RenameRules, LogicalSortingByFirstNumber) {
  QStringList paths{"/d/Bild10.jpg", "/d/Bild9.jpg", "/d/x.txt", "/d/Bild100.jpg", "/d/abc12def3.txt"};
  ASSERT_TRUE(logicalSort(paths));
  EXPECT_EQ(fileNames(paths), QStringList({"x.txt", "Bild9.jpg", "Bild10.jpg", "abc12def3.txt", "Bild100.jpg"}));
  EXPECT_EQ(logicalKey("abc12def3"), 12);
  EXPECT_EQ(logicalKey("x"), 0);
  EXPECT_EQ(logicalKey("n2147483647"), 2147483647);
  EXPECT_FALSE(logicalKey("n2147483648").has_value());

  QStringList bad{"/d/a1", "/d/b99999999999"};
  QString badName;
  EXPECT_FALSE(logicalSort(bad, &badName));
  EXPECT_EQ(badName, "b99999999999");
}

TEST(RenameRules, CounterWithLogicalSortingReordersBothLists) {
  GeneralParams p;
  p.logicalSorting = true;
  p.baseName = "n";
  NameLists lists = listsOf({"/d/p10.jpg", "/d/p2.jpg", "/d/p1.jpg"});
  RuleState state;
  applyGeneralRule(p, {}, lists, state);
  EXPECT_EQ(fileNames(lists.oldPaths), QStringList({"p1.jpg", "p2.jpg", "p10.jpg"}));
  EXPECT_EQ(fileNames(lists.newPaths), QStringList({"n0.jpg", "n1.jpg", "n2.jpg"}));

  // Mode 2 ignores the box.
  p.mode = GeneralMode::CompleteName;
  NameLists kept = listsOf({"/d/p10.jpg", "/d/p2.jpg"});
  applyGeneralRule(p, {}, kept, state);
  EXPECT_EQ(fileNames(kept.newPaths), QStringList({"np10.jpg", "np2.jpg"}));
}

TEST(RenameRules, PlacementIntoDestination) {
  NameLists lists{{"/root/a/b/x.txt", "/root/y.txt"}, {"/root/a/b/x.txt", "/root/y.txt"}, "/root/"};
  RuleState state;
  GeneralParams p;
  p.mode = GeneralMode::Case;
  p.caseKind = 2;
  EXPECT_EQ(applyGeneralRule(p, {TargetMode::Move, ""}, lists, state).message, Message::NoTargetDirectory);
  applyGeneralRule(p, {TargetMode::Move, "/dest"}, lists, state);
  EXPECT_EQ(lists.newPaths, QStringList({"/dest/a/b/X.txt", "/dest/Y.txt"}));

  // Counters go straight into the destination, without the relative path.
  NameLists counted{{"/root/a/x.txt"}, {"/root/a/x.txt"}, "/root/"};
  applyGeneralRule(GeneralParams{}, {TargetMode::Copy, "/dest/"}, counted, state);
  EXPECT_EQ(counted.newPaths, QStringList({"/dest/0.txt"}));

  // An entry the insert rule skips keeps its old path in move mode too.
  p.mode = GeneralMode::Insert;
  p.insertPosition = 5;
  p.insertText = "!";
  NameLists shortName{{"/root/ab.c"}, {"/root/ab.c"}, {}};
  applyGeneralRule(p, {TargetMode::Move, "/dest"}, shortName, state);
  EXPECT_EQ(shortName.newPaths, QStringList({"/root/ab.c"}));

  // Rename in place never asks for a destination.
  NameLists inPlace = listsOf({"/root/ab.c"});
  EXPECT_EQ(applyGeneralRule(p, {TargetMode::Rename, ""}, inPlace, state).message, Message::None);
}

TEST(RenameRules, CodePointsRoundTrip) {
  const QString s = "a" + kEmoji + QString::fromUtf8("ß");
  EXPECT_EQ(characterCount(s), 3);
  EXPECT_EQ(toCodePoints(s).size(), 3u);
  EXPECT_EQ(fromCodePoints(toCodePoints(s)), s);
  EXPECT_EQ(upperLatin1(U'ÿ'), U'ÿ');
  EXPECT_EQ(upperLatin1(U'ß'), U'ß');
  EXPECT_EQ(upperLatin1(U'÷'), U'÷');
  EXPECT_EQ(lowerLatin1(U'×'), U'×');
  EXPECT_EQ(upperLatin1(U'ý'), U'Ý');
  EXPECT_EQ(upperAscii(QString::fromUtf8("éa")), QString::fromUtf8("éA"));
}

}  // namespace
