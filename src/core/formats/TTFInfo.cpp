#include "core/formats/TTFInfo.h"

#include "core/formats/ByteSource.h"
#include "core/formats/TextCodecs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace vantorim::formats {

namespace {

constexpr int kMaxFullName = 80;

QString trimTrailingControls(QString s) {
  while (!s.isEmpty() && s.back().unicode() <= 32) s.chop(1);
  return s;
}

// Rank of a name record's system, encoding and language: lower is better;
// -1 for records whose text cannot be decoded.
int recordRank(uint16_t systemId, uint16_t encoding, uint16_t language) {
  if (systemId == 3 && encoding == 1 && language == 0x0409) return 0;
  if (systemId == 1 && encoding == 0 && language == 0) return 1;
  if (systemId == 1 && encoding == 0) return 2;
  if (systemId == 3 && encoding == 1) return 3;
  if (systemId == 0) return 4;
  if (systemId == 3 && (encoding == 0 || encoding == 10)) return 5;
  if (systemId == 1) return 6;
  return -1;
}

QString decodeRecord(uint16_t systemId, uint16_t encoding, const QByteArray& bytes) {
  if (systemId == 0 || systemId == 3) return decodeUtf16BE(bytes);
  if (systemId == 1 && encoding == 0) return decodeMacRoman(bytes);
  return QString::fromLatin1(bytes);
}

}  // namespace

QString TTTFInfo::keepPrintable(const QString& s) {
  QString r;
  for (QChar c : s) {
    const char16_t u = c.unicode();
    if (u < 32 || (u >= 127 && u <= 159)) continue;
    r.append(c);
  }
  return r;
}

QString TTTFInfo::keepFileNameCharacters(const QString& s) {
  static const QString dropped = QStringLiteral("\"*/:;<=>?[\\]^|");
  QString r;
  for (QChar c : s) {
    const char16_t u = c.unicode();
    if (u < 32 || (u >= 127 && u <= 159) || dropped.contains(c)) continue;
    r.append(c);
  }
  return r;
}

void TTTFInfo::clear() {
  m_copyright.clear();
  m_familyName.clear();
  m_styleName.clear();
  m_fullName.clear();
}

bool TTTFInfo::setFilename(const QString& path) {
  if (path == m_filename) return true;
  m_filename = path;
  m_error.clear();
  if (QFileInfo(path).suffix().toUpper() != QLatin1String("TTF")) {
    clear();
    return true;
  }
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("cannot open %1: %2").arg(path, f.errorString());
    return false;
  }
  readFrom(f);
  return true;
}

bool TTTFInfo::readFrom(QIODevice& font) {
  clear();
  const ByteSource src(font);
  // Offset table: version, table count; then 16-byte directory entries.
  const auto numTables = src.u16be(4);
  if (!numTables) return false;
  qint64 tableOffset = -1;
  qint64 tableLength = 0;
  for (int i = 0; i < *numTables; ++i) {
    const auto entry = src.read(12 + 16 * qint64(i), 16);
    if (!entry) return false;
    if (entry->startsWith("name")) {
      tableOffset = be32(*entry, 8);
      tableLength = be32(*entry, 12);
      break;
    }
  }
  if (tableOffset < 0) return false;
  // Some fonts state a table length that runs past the end; what is there counts.
  // 16-bit counts and offsets keep every usable record within about 1 MB.
  tableLength = std::min<qint64>({tableLength, src.size() - std::min(src.size(), tableOffset), qint64(2) << 20});
  const auto table = src.read(tableOffset, tableLength);
  if (!table || table->size() < 6) return false;
  const qsizetype count = be16(*table, 2);
  const qsizetype storage = be16(*table, 4);

  struct Best {
    int rank = 1000;
    QString text;
  };
  std::array<Best, 5> best;  // by name identifier 0..4
  for (qsizetype i = 0; i < count; ++i) {
    const qsizetype rec = 6 + 12 * i;
    if (rec + 12 > table->size()) break;
    const uint16_t systemId = be16(*table, rec);
    const uint16_t encoding = be16(*table, rec + 2);
    const uint16_t language = be16(*table, rec + 4);
    const uint16_t nameId = be16(*table, rec + 6);
    const qsizetype length = be16(*table, rec + 8);
    const qsizetype offset = be16(*table, rec + 10);
    if (nameId > 4 || nameId == 3) continue;
    const int rank = recordRank(systemId, encoding, language);
    if (rank < 0 || rank >= best[nameId].rank) continue;
    const qsizetype start = storage + offset;
    if (start > table->size() || length > table->size() - start) continue;
    best[nameId] = {rank, decodeRecord(systemId, encoding, table->mid(start, length))};
  }
  auto untilZero = [](const QString& s) {
    const qsizetype z = s.indexOf(QChar(0));
    return z >= 0 ? s.left(z) : s;
  };
  m_copyright = trimTrailingControls(untilZero(best[0].text));
  m_familyName = keepPrintable(best[1].text);
  m_styleName = keepPrintable(best[2].text);
  m_fullName = keepFileNameCharacters(best[4].text).left(kMaxFullName);
  return true;
}

}  // namespace vantorim::formats
