#pragma once
// Text codecs of the small formats beyond the common ones: writing
// Windows-1252 (tags), Mac OS Roman and UTF-16BE (font names).

#include <QByteArray>
#include <QString>

namespace vantorim::formats {

// Characters outside Windows-1252 become '?'.
QByteArray encodeCp1252(const QString& text);
QString decodeMacRoman(const QByteArray& bytes);
QString decodeUtf16BE(const QByteArray& bytes);

}  // namespace vantorim::formats
