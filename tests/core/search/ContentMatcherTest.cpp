#include "core/search/ContentMatcher.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

using namespace vantorim::search;
using vantorim::test::TempDir;

namespace {
// Feeds `data` in reads of at most `step` bytes.
bool scan(const ContentMatcher& m, const QByteArray& data, std::size_t step) {
  std::size_t pos = 0;
  return m.matchesStream([&](char* buf, std::size_t size) -> long {
    const std::size_t n = std::min({size, step, std::size_t(data.size()) - pos});
    std::memcpy(buf, data.constData() + pos, n);
    pos += n;
    return long(n);
  });
}
}  // namespace

struct ContentCase {
  const char* phrase;
  bool ignoreCase;
  bool wholeWord;
  const char* data;
  bool matches;
};

class ContentCases : public ::testing::TestWithParam<ContentCase> {};

TEST_P(ContentCases, MatchesWithEveryBlockSize) {
  const ContentCase& c = GetParam();
  // Tiny blocks put every possible boundary inside the phrase and around it.
  for (std::size_t block : {std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(7), std::size_t(4096)}) {
    const ContentMatcher m(QString::fromUtf8(c.phrase), c.ignoreCase, c.wholeWord, block);
    for (std::size_t step : {std::size_t(1), std::size_t(5), std::size_t(1 << 20)})
      EXPECT_EQ(scan(m, QByteArray(c.data), step), c.matches)
          << c.phrase << " in \"" << c.data << "\" block " << block << " step " << step;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, ContentCases,
    ::testing::Values(ContentCase{"abc", true, false, "xxABCxx", true}, ContentCase{"abc", false, false, "xxABCxx", false},
                      ContentCase{"ABC", true, false, "xxabcxx", true}, ContentCase{"abc", true, false, "ab", false},
                      ContentCase{"word", true, true, "a word here", true},
                      ContentCase{"word", true, true, "swordfish word", true},
                      ContentCase{"word", true, true, "swordfish", false}, ContentCase{"word", true, true, "word", true},
                      ContentCase{"word", true, true, "words", false}, ContentCase{"word", true, true, "wordword", false},
                      ContentCase{"word", true, true, "x_word-y", true},
                      ContentCase{"grün", true, false, "GRüN ist", true},  // ASCII letters fold, others exact
                      ContentCase{"aab", false, false, "aaab", true}, ContentCase{"abab", false, false, "abaabab", true}));

TEST(ContentMatcher, FindsPhraseStraddlingTheBlockBoundaryInAFile) {
  TempDir dir;
  for (std::size_t boundary : {std::size_t(61440), ContentMatcher::kDefaultBlockSize}) {
    QByteArray data(qsizetype(boundary + 100), 'x');
    data.replace(qsizetype(boundary - 3), 7, " NEEDL ");
    const QString path = dir.write(QString("big%1.bin").arg(boundary), data);
    EXPECT_TRUE(ContentMatcher("needl", true, true, boundary).matchesFile(path));
    EXPECT_FALSE(ContentMatcher("needl", false, false, boundary).matchesFile(path));
    EXPECT_TRUE(ContentMatcher("x NEEDL x", false, false, boundary).matchesFile(path));
    EXPECT_FALSE(ContentMatcher("x NEEDLx", false, false, boundary).matchesFile(path));
  }
}

TEST(ContentMatcher, NeverReadsFifosAndMissingFilesDoNotMatch) {
  TempDir dir;
  const QString fifo = dir.path("pipe");
  ASSERT_EQ(::mkfifo(fifo.toUtf8().constData(), 0600), 0);
  const ContentMatcher m("x", true, false);
  EXPECT_FALSE(m.matchesFile(fifo));  // returns at once instead of waiting for a writer
  EXPECT_FALSE(m.matchesFile(dir.path("missing")));
  EXPECT_TRUE(ContentMatcher("", true, false).matchesFile(dir.path("missing")));
}
