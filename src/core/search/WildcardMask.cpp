#include "core/search/WildcardMask.h"

#include <QChar>

namespace vantorim::search {

namespace {

// Decodes UTF-8; a byte that starts no valid sequence stands for itself.
void decodeFolded(const char* s, std::size_t n, std::u32string& out) {
  out.clear();
  const auto* p = reinterpret_cast<const unsigned char*>(s);
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    char32_t c = b;
    std::size_t len = 1;
    if (b >= 0xC2 && b <= 0xDF && i + 1 < n && (p[i + 1] & 0xC0) == 0x80) {
      c = char32_t(b & 0x1F) << 6 | (p[i + 1] & 0x3F);
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 && (p[i + 2] & 0xC0) == 0x80) {
      c = char32_t(b & 0x0F) << 12 | char32_t(p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F);
      len = 3;
    } else if (b >= 0xF0 && b <= 0xF4 && i + 3 < n && (p[i + 1] & 0xC0) == 0x80 && (p[i + 2] & 0xC0) == 0x80 &&
               (p[i + 3] & 0xC0) == 0x80) {
      c = char32_t(b & 0x07) << 18 | char32_t(p[i + 1] & 0x3F) << 12 | char32_t(p[i + 2] & 0x3F) << 6 |
          (p[i + 3] & 0x3F);
      len = 4;
    }
    out.push_back(foldCase(c));
    i += len;
  }
}

// "?" one character, "*" any run; iterative with one backtrack point.
template <typename Str>
bool globMatch(const Str& mask, std::size_t ml, const Str& name, std::size_t nl) {
  std::size_t m = 0, n = 0, starM = std::size_t(-1), starN = 0;
  while (n < nl) {
    if (m < ml && (mask[m] == '?' || (mask[m] != '*' && mask[m] == name[n]))) {
      ++m;
      ++n;
    } else if (m < ml && mask[m] == '*') {
      starM = m++;
      starN = n;
    } else if (starM != std::size_t(-1)) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < ml && mask[m] == '*') ++m;
  return m == ml;
}

inline char asciiFold(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

}  // namespace

char32_t foldCase(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c <= 0xFF) return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c;
  return QChar::toCaseFolded(c);
}

std::u32string foldString(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  std::u32string out;
  decodeFolded(utf8.constData(), std::size_t(utf8.size()), out);
  return out;
}

WildcardMask::WildcardMask(const QString& mask) : m_text(mask) {
  m_full = foldString(mask);
  m_all = m_full == U"*" || m_full == U"*.*";
  m_mask = m_full;
  if (m_full.size() >= 2 && m_full.compare(m_full.size() - 2, 2, U".*") == 0) {
    m_tail = Tail::DotStar;
    m_mask.resize(m_full.size() - 2);
  } else if (!m_full.empty() && m_full.back() == '.') {
    m_tail = Tail::Dot;
    m_mask.resize(m_full.size() - 1);
  }
  m_ascii = true;
  for (char32_t c : m_full) m_ascii = m_ascii && c < 0x80;
  if (m_ascii) {
    m_asciiMask.assign(m_full.begin(), m_full.end());
    m_asciiCore.assign(m_mask.begin(), m_mask.end());
  }
}

bool WildcardMask::matchAscii(const char* name, std::size_t length) const {
  thread_local std::string folded;
  folded.resize(length);
  bool hasDot = false;
  for (std::size_t i = 0; i < length; ++i) {
    folded[i] = asciiFold(name[i]);
    hasDot = hasDot || name[i] == '.';
  }
  switch (m_tail) {
    case Tail::None: return globMatch(m_asciiMask, m_asciiMask.size(), folded, length);
    case Tail::DotStar:
      return globMatch(m_asciiMask, m_asciiMask.size(), folded, length) ||
             (!hasDot && globMatch(m_asciiCore, m_asciiCore.size(), folded, length));
    case Tail::Dot: return !hasDot && globMatch(m_asciiCore, m_asciiCore.size(), folded, length);
  }
  return false;
}

bool WildcardMask::matchFolded(const std::u32string& name) const {
  const bool hasDot = name.find(U'.') != std::u32string::npos;
  switch (m_tail) {
    case Tail::None: return globMatch(m_full, m_full.size(), name, name.size());
    case Tail::DotStar:
      return globMatch(m_full, m_full.size(), name, name.size()) ||
             (!hasDot && globMatch(m_mask, m_mask.size(), name, name.size()));
    case Tail::Dot: return !hasDot && globMatch(m_mask, m_mask.size(), name, name.size());
  }
  return false;
}

bool WildcardMask::matches(const char* utf8, std::size_t length) const {
  if (m_all) return true;
  if (m_ascii) {
    bool asciiName = true;
    for (std::size_t i = 0; i < length && asciiName; ++i) asciiName = static_cast<unsigned char>(utf8[i]) < 0x80;
    if (asciiName) return matchAscii(utf8, length);
  }
  thread_local std::u32string folded;
  decodeFolded(utf8, length, folded);
  return matchFolded(folded);
}

bool WildcardMask::matches(const QString& name) const {
  const QByteArray utf8 = name.toUtf8();
  return matches(utf8.constData(), std::size_t(utf8.size()));
}

namespace {

// "?" one character, "*" the rest; past the name's end only "*" and "?" may remain.
bool simpleMatch(const std::u32string& mask, const std::u32string& name) {
  std::size_t i = 0;
  for (; i < mask.size(); ++i) {
    if (mask[i] == '*') return true;
    if (i >= name.size()) break;
    if (mask[i] != '?' && mask[i] != name[i]) return false;
  }
  if (i < mask.size()) {
    for (; i < mask.size(); ++i)
      if (mask[i] != '*' && mask[i] != '?') return false;
    return true;
  }
  return name.size() == mask.size();
}

void splitAtLastDot(const std::u32string& s, std::u32string& base, std::u32string& ext) {
  const std::size_t dot = s.rfind(U'.');
  if (dot == std::u32string::npos) {
    base = s;
    ext.clear();
  } else {
    base = s.substr(0, dot);
    ext = s.substr(dot);
  }
}

}  // namespace

bool matchesSplitMask(const QString& mask, const QString& name) {
  std::u32string maskBase, maskExt, nameBase, nameExt;
  splitAtLastDot(foldString(mask), maskBase, maskExt);
  splitAtLastDot(foldString(name), nameBase, nameExt);
  if (maskExt.empty()) return simpleMatch(maskBase, nameBase);
  if (nameExt.empty()) nameExt.push_back(U'.');
  return simpleMatch(maskExt, nameExt) && simpleMatch(maskBase, nameBase);
}

}  // namespace vantorim::search
