#include "core/common/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace vantorim::common {

QString decodeWindows1252(const QByteArray& bytes) {
  // Code page 1252 differs from Latin-1 only in 0x80..0x9F; five codes are unused
  // there and are kept as the C1 control of the same number.
  static const char16_t high[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  QString out;
  out.resize(bytes.size());
  QChar* d = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    d[i] = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
  }
  return out;
}

QString decodeText(const QByteArray& bytes) {
  const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return decodeWindows1252(bytes);
}

QStringList splitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(text.mid(start, i - start));
      if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) lines.push_back(text.mid(start));
  return lines;
}

QByteArray joinLinesCrLf(const QStringList& lines) {
  QByteArray out;
  for (const QString& line : lines) {
    out += line.toUtf8();
    out += "\r\n";
  }
  return out;
}

bool readTextFile(const QString& path, QString& text, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  text = decodeText(f.readAll());
  return true;
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

}  // namespace vantorim::common
