#include "core/search/SearchCriteria.h"
#include "core/search/WildcardMask.h"

#include <gtest/gtest.h>

using namespace vantorim::search;

struct MaskCase {
  const char* mask;
  const char* name;
  bool matches;
};

class WildcardMaskCases : public ::testing::TestWithParam<MaskCase> {};

TEST_P(WildcardMaskCases, Matches) {
  const MaskCase& c = GetParam();
  const WildcardMask mask(QString::fromUtf8(c.mask));
  EXPECT_EQ(mask.matches(QString::fromUtf8(c.name)), c.matches) << c.mask << " vs " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    WindowsListingRules, WildcardMaskCases,
    ::testing::Values(MaskCase{"*.jpg", "photo.JPG", true}, MaskCase{"*.jpg", "photo.jpeg", false},
                      MaskCase{"*.jpg", "a.jpg.txt", false}, MaskCase{"*.*", "README", true},
                      MaskCase{"*", ".hidden", true}, MaskCase{"?.txt", "a.txt", true},
                      MaskCase{"?.txt", "ab.txt", false}, MaskCase{"?.txt", ".txt", false},
                      MaskCase{"a*b*c", "aXXbYYc", true}, MaskCase{"a*b*c", "aXXbYY", false},
                      MaskCase{"report.*", "report", true}, MaskCase{"report.*", "report.doc", true},
                      MaskCase{"report.*", "reports", false}, MaskCase{"*.", "README", true},
                      MaskCase{"*.", "a.b", false}, MaskCase{"ÄRGER*", "ärger.txt", true},
                      MaskCase{"*.ÉTÉ", "x.été", true}, MaskCase{"straße?", "STRASSE", false},
                      MaskCase{"Ω*", "ω-file", true}, MaskCase{"??", "äb", true}));

TEST(WildcardMask, RawBytesThatAreNotUtf8CountAsOneCharacterEach) {
  const WildcardMask mask("a?c");
  const char name[] = {'a', char(0xFF), 'c'};
  EXPECT_TRUE(mask.matches(name, 3));
  EXPECT_FALSE(mask.matches(name, 2));
}

struct SplitCase {
  const char* mask;
  const char* name;
  bool matches;
};

class SplitMaskCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitMaskCases, Matches) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(matchesSplitMask(QString::fromUtf8(c.mask), QString::fromUtf8(c.name)), c.matches)
      << c.mask << " vs " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    BaseAndExtension, SplitMaskCases,
    ::testing::Values(SplitCase{"*.tmp", "x.TMP", true}, SplitCase{"*.tmp", "x.tmpl", false},
                      SplitCase{"backup", "backup.zip", true},   // no extension in the mask: any passes
                      SplitCase{"backup", "backups", false}, SplitCase{"*.", "Makefile", true},
                      SplitCase{"a?", "a", true},                // past the end only wildcards remain
                      SplitCase{"file.t?", "file.t", true}, SplitCase{"file.t", "file.tx", false},
                      SplitCase{"*.*", "noext", true}));

TEST(SplitMaskList, TrimsDropsEmptiesAndRepeatsWithoutRegardToCase) {
  EXPECT_EQ(splitMaskList("*.jpg;;*.jpg"), QStringList{"*.jpg"});
  EXPECT_EQ(splitMaskList(" *.jpg ;\t*.JPG;*.jpeg\n;"), (QStringList{"*.jpg", "*.jpeg"}));
  EXPECT_TRUE(splitMaskList("").isEmpty());
  EXPECT_TRUE(splitMaskList(" ; ;").isEmpty());
  EXPECT_EQ(splitLocationList("/a;/A;/a"), (QStringList{"/a", "/A"}));
}

TEST(DateTimeNumbers, WholeDaysSinceTheEpochAndFractions) {
  EXPECT_EQ(dateNumber(QDate(1899, 12, 30)), 0.0);
  EXPECT_EQ(dateNumber(QDate(2000, 1, 1)), 36526.0);
  EXPECT_DOUBLE_EQ(timeNumber(QTime(12, 0)), 0.5);
  const QDateTime t(QDate(2024, 3, 1), QTime(18, 30));
  EXPECT_EQ(dateTimeFromNumber(dateTimeNumber(t)), t);
}
