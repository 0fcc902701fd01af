#include "core/rename/NameText.h"

#include <QChar>

namespace vantorim::rename {

CodePoints toCodePoints(const QString& text) {
  CodePoints out;
  out.reserve(static_cast<size_t>(text.size()));
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t u = text.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
      out.push_back(QChar::surrogateToUcs4(u, text.at(i + 1).unicode()));
      ++i;
    } else {
      out.push_back(u);  // a lone surrogate stays one character of its own
    }
  }
  return out;
}

QString fromCodePoints(const CodePoints& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char32_t c : text) {
    if (QChar::requiresSurrogates(c)) {
      out.append(QChar(QChar::highSurrogate(c)));
      out.append(QChar(QChar::lowSurrogate(c)));
    } else {
      out.append(QChar(static_cast<char16_t>(c)));
    }
  }
  return out;
}

qsizetype characterCount(const QString& text) {
  qsizetype count = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) ++i;
    ++count;
  }
  return count;
}

NameParts splitPath(const QString& path) {
  NameParts p;
  const qsizetype slash = path.lastIndexOf(u'/');
  p.folder = path.left(slash + 1);
  const QString file = path.mid(slash + 1);
  const qsizetype dot = file.lastIndexOf(u'.');
  if (dot < 0) {
    p.name = file;
  } else {
    p.name = file.left(dot);
    p.extension = file.mid(dot);
  }
  return p;
}

QString fileNameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }
QString folderOf(const QString& path) { return path.left(path.lastIndexOf(u'/') + 1); }

bool isLowerLatin1(char32_t c) {
  if (c <= 0xFF) return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xF6) || (c >= 0xF8 && c <= 0xFD);
  return QChar::isLower(c);
}

bool isUpperLatin1(char32_t c) {
  if (c <= 0xFF) return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDD);
  return QChar::isUpper(c);
}

char32_t upperLatin1(char32_t c) {
  if (c <= 0xFF) return isLowerLatin1(c) ? c - 32 : c;
  return QChar::toUpper(c);
}

char32_t lowerLatin1(char32_t c) {
  if (c <= 0xFF) return isUpperLatin1(c) ? c + 32 : c;
  return QChar::toLower(c);
}

QString upperAscii(const QString& text) {
  QString out = text;
  for (QChar& ch : out)
    if (ch >= u'a' && ch <= u'z') ch = QChar(ch.unicode() - 32);
  return out;
}

QString lowerAscii(const QString& text) {
  QString out = text;
  for (QChar& ch : out)
    if (ch >= u'A' && ch <= u'Z') ch = QChar(ch.unicode() + 32);
  return out;
}

QString replaceAll(const QString& text, const QString& search, const QString& replacement) {
  // Works on UTF-16 units: a match of whole code points is the same match in
  // UTF-16, and a well-formed search text can never match half a pair.
  if (search.isEmpty() || text.size() < search.size()) return text;
  QString out;
  out.reserve(text.size());
  qsizetype p = 0;
  const qsizetype n = text.size();
  const qsizetype m = search.size();
  while (p < n) {
    if (p + m <= n && QStringView(text).mid(p, m) == search) {
      out += replacement;
      p += m;
    } else {
      out += text.at(p);
      ++p;
    }
  }
  return out;
}

std::optional<std::int32_t> logicalKey(const QString& name) {
  qsizetype i = 0;
  const qsizetype n = name.size();
  while (i < n && !(name.at(i) >= u'0' && name.at(i) <= u'9')) ++i;
  if (i == n) return 0;
  std::int64_t value = 0;
  for (; i < n && name.at(i) >= u'0' && name.at(i) <= u'9'; ++i) {
    value = value * 10 + (name.at(i).unicode() - u'0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace vantorim::rename
