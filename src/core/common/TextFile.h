#pragma once
// The program's small text files (lists, logs): UTF-8 without BOM and CR LF
// line ends when written; when read, CR LF, LF and CR all end a line, and a file
// that is not valid UTF-8 is taken as Windows-1252.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantorim::common {

// UTF-8 (a BOM is dropped) when valid, else Windows-1252.
QString decodeText(const QByteArray& bytes);

// Windows-1252 bytes as text (0x80..0x9F mapped to their characters).
QString decodeWindows1252(const QByteArray& bytes);

// Lines of a text; a line end after the last line gives no extra empty line.
QStringList splitLines(const QString& text);

// The lines, each followed by CR LF, as UTF-8.
QByteArray joinLinesCrLf(const QStringList& lines);

// Reads a whole text file; false with `error` when it cannot be read.
bool readTextFile(const QString& path, QString& text, QString* error = nullptr);

// Writes bytes to a temporary file beside `path` and renames it over `path`.
bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace vantorim::common
