#pragma once
// Text helpers of the name-building rules. Names are handled as sequences of
// Unicode code points, so positions, lengths and cuts never split a character
// (a QString counts UTF-16 units, which differ for characters beyond U+FFFF).

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace vantorim::rename {

using CodePoints = std::u32string;

CodePoints toCodePoints(const QString& text);
QString fromCodePoints(const CodePoints& text);
// Number of code points of `text`.
qsizetype characterCount(const QString& text);

// A full path split into folder F (with trailing '/'), name N and extension E:
// E runs from the last '.' of the file name to its end, so ".htaccess" has an
// empty N and E ".htaccess".
struct NameParts {
  QString folder;
  QString name;
  QString extension;
  QString fileName() const { return name + extension; }
};
NameParts splitPath(const QString& path);
QString fileNameOf(const QString& path);
QString folderOf(const QString& path);  // with trailing '/'

// Latin-1 case rule for one code point: a..z, U+00E0..U+00F6 and U+00F8..U+00FD
// are lower-case, A..Z, U+00C0..U+00D6 and U+00D8..U+00DD upper-case; U+00D7,
// U+00DF, U+00F7, U+00FE and U+00FF never change. Above U+00FF Unicode simple
// case mapping applies.
char32_t upperLatin1(char32_t c);
char32_t lowerLatin1(char32_t c);
bool isUpperLatin1(char32_t c);
bool isLowerLatin1(char32_t c);

// Case change of ASCII letters only (the extension option of the counters).
QString upperAscii(const QString& text);
QString lowerAscii(const QString& text);

// Every occurrence of `search` replaced left to right, exactly (case-sensitive),
// without overlaps and without scanning inserted text again. An empty `search`
// leaves the text unchanged.
QString replaceAll(const QString& text, const QString& search, const QString& replacement);

// The first run of decimal digits in `name` as an integer; 0 without digits;
// no value when the run exceeds the 32-bit range.
std::optional<std::int32_t> logicalKey(const QString& name);

}  // namespace vantorim::rename
