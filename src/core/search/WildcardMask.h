#pragma once
// Name masks without regard to case.
//
// `WildcardMask` follows the rules of the Windows directory listing that users know:
// "?" is exactly one character, "*" any run (also none), "*" and "*.*" match every
// name, a mask ending in ".*" also matches the name without extension ("a.*" finds
// "a"), and a mask ending in "." matches only names without a dot ("*." finds "README").
// A character is a Unicode code point; case is folded by the Latin-1 rule up to
// U+00FF and Unicode simple case folding above.
//
// `matchesSplitMask` is the simpler base-and-extension rule used for excluded paths.

#include <QString>

#include <string>

namespace vantorim::search {

// Case folding of one code point as the name masks use it.
char32_t foldCase(char32_t c);

class WildcardMask {
public:
  WildcardMask() = default;
  explicit WildcardMask(const QString& mask);

  const QString& text() const { return m_text; }
  bool matchesEverything() const { return m_all; }

  // Name as UTF-8 bytes (as read from disk; invalid bytes count as one character each).
  bool matches(const char* utf8, std::size_t length) const;
  bool matches(const QString& name) const;

private:
  bool matchFolded(const std::u32string& name) const;
  bool matchAscii(const char* name, std::size_t length) const;

  enum class Tail { None, DotStar, Dot };
  QString m_text;
  std::u32string m_mask;   // folded; for Tail::DotStar / Tail::Dot without that tail
  std::u32string m_full;   // folded whole mask
  std::string m_asciiMask; // folded whole mask when it is pure ASCII
  std::string m_asciiCore; // m_mask when pure ASCII
  bool m_ascii = false;
  bool m_all = false;
  Tail m_tail = Tail::None;
};

// Base-and-extension rule: both split at the last dot; a mask without extension is
// matched against the name's base alone; otherwise extensions (dot included, a name
// without one counts as ".") and bases are matched. "?" matches one character, "*" the
// rest; past the name's end only "*" and "?" may remain.
bool matchesSplitMask(const QString& mask, const QString& name);

// Folds a whole string for mask comparisons.
std::u32string foldString(const QString& s);

}  // namespace vantorim::search
