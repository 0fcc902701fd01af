#pragma once
// Single-byte text codecs the small formats need: Windows-1252 (tags, old
// folder-tree files) and Mac OS Roman (font names), plus UTF-8 with fallback.

#include <QByteArray>
#include <QString>

namespace vantorim::formats {

QString decodeCp1252(const QByteArray& bytes);
// Characters outside Windows-1252 become '?'.
QByteArray encodeCp1252(const QString& text);
QString decodeMacRoman(const QByteArray& bytes);
QString decodeUtf16BE(const QByteArray& bytes);
// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString decodeUtf8OrCp1252(const QByteArray& bytes);

}  // namespace vantorim::formats
