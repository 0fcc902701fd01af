#include "core/fileinfo/ImageInfo.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace vantorim::fileinfo {

namespace {

constexpr int kBytesPerFormat[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
constexpr int kMaxDepth = 8;        // sub-directories nested deeper are not followed
constexpr int kMaxValues = 8;       // value texts show at most this many values

int bytesPerValue(int format) { return format >= 1 && format <= 12 ? kBytesPerFormat[format] : 0; }

QString hex4(quint16 v) { return QStringLiteral("%1").arg(v, 4, 16, QChar('0')).toUpper(); }

// Tables with their descriptions made once.
struct Table {
  std::vector<TagRow> rows;
  std::vector<QString> descriptions;
  QHash<quint16, int> index;
  explicit Table(const std::vector<TagRow>& r) : rows(r) {
    for (int i = 0; i < int(rows.size()); ++i) {
      descriptions.push_back(rows[i].description ? QString::fromUtf8(rows[i].description)
                                                 : descriptionFromName(QString::fromUtf8(rows[i].name)));
      if (!index.contains(rows[i].tag)) index.insert(rows[i].tag, i);
    }
  }
  int find(quint16 tag) const { return index.value(tag, -1); }
};

const Table& mainTable() {
  static const Table t(mainTagRows());
  return t;
}
const Table& gpsTable() {
  static const Table t(gpsTagRows());
  return t;
}

QString latin1Until0(const QByteArray& b) {
  const int z = b.indexOf('\0');
  return QString::fromLatin1(z < 0 ? b : b.left(z));
}

QString printable(const QString& s) {
  QString out = s.left(50);
  for (QChar& c : out)
    if (c.unicode() < 32) c = '.';
  return out;
}

// "," + number + ":" looked up in "," + list + ","; the text up to the next ",".
QString decodeLookup(const QString& list, const QString& number) {
  const QString hay = ',' + list + ',';
  const QString key = ',' + number + ':';
  const int at = hay.indexOf(key);
  if (at < 0) return {};
  const int from = at + key.size();
  const int to = hay.indexOf(',', from);
  return hay.mid(from, to - from);
}

double rationalParts(const QString& s, bool* ok) {
  const int slash = s.indexOf('/');
  if (slash < 0) return s.trimmed().toDouble(ok);
  const double n = s.left(slash).trimmed().toDouble(ok);
  if (!*ok) return 0;
  const double d = s.mid(slash + 1).trimmed().toDouble(ok);
  if (!*ok) return 0;
  return d == 0 ? 0 : n / d;
}

QStringList splitValues(const QString& text) {
  QStringList parts = text.split(',');
  for (QString& p : parts) p = p.trimmed();
  return parts;
}

QString flashText(int v) {
  QString s = (v & 1) ? "On" : "Off";
  switch (v & 6) {
    case 2: s += ", UNKNOWN"; break;
    case 4: s += ", no strobe return"; break;
    case 6: s += ", strobe return"; break;
  }
  switch (v & 24) {
    case 8: s += ", forced"; break;
    case 16: s += ", surpressed"; break;
    case 24: s += ", auto mode"; break;
  }
  if (v & 32) s += ", no flash function";
  if (v & 64) s += ", red-eye reduction";
  return s;
}

QString shutterText(double v) {
  const double t = std::pow(2.0, -v);
  if (!std::isfinite(t)) return {};
  QString s = QString::asprintf("%4.4f sec", t);
  if (t <= 0.5 && t > 0) {
    const double inv = std::round(1.0 / t);
    if (inv < double(INT_MAX)) s += QString::asprintf(" (1/%d)", int(inv));
  }
  return s;
}

}  // namespace

double rationalTextValue(const QString& text) {
  const QString s = text.trimmed();
  bool ok = false;
  const int blank = s.indexOf(' ');
  if (blank > 0 && s.indexOf('/') > blank) {
    const double whole = s.left(blank).toDouble(&ok);
    if (!ok) return 0;
    const double frac = rationalParts(s.mid(blank + 1), &ok);
    return ok ? whole + frac : 0;
  }
  const double v = rationalParts(s, &ok);
  return ok ? v : 0;
}

QString applyNumberFormat(const QString& format, double value) {
  // The formats come from the built-in tables only.
  char buf[128];
  const QByteArray f = format.toLatin1();
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wformat-nonliteral"
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
  std::snprintf(buf, sizeof buf, f.constData(), value);
#if defined(__clang__)
#pragma clang diagnostic pop
#elif defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  return QString::fromLatin1(buf);
}

quint16 tEndInd::get16(const QByteArray& d, qint64 pos) const {
  if (pos < 0 || pos + 2 > d.size()) return 0;
  const auto* p = reinterpret_cast<const uchar*>(d.constData()) + pos;
  return m_motorola ? quint16(p[0] << 8 | p[1]) : quint16(p[1] << 8 | p[0]);
}

quint32 tEndInd::get32(const QByteArray& d, qint64 pos) const {
  if (pos < 0 || pos + 4 > d.size()) return 0;
  const auto* p = reinterpret_cast<const uchar*>(d.constData()) + pos;
  return m_motorola ? quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]
                    : quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
}

TImageInfo::TImageInfo(ReaderOptions options) : m_opt(options) {}

QString TImageInfo::readExifSection(const QByteArray& payload) {
  if (!payload.startsWith("Exif")) return "Incorrect Exif header";
  m_data = payload.mid(6);
  if (m_data.startsWith("II")) m_motorola = false;
  else if (m_data.startsWith("MM")) m_motorola = true;
  else return "Invalid Exif alignment marker";
  qint64 first = get32(m_data, 4);
  if (first == 0) first = 8;
  const QString error = walkDirectory(first, DirKind::Main, true, 0);
  readMakerNote();
  derive35mm();
  return error;
}

QString TImageInfo::readTiffBlock(const QByteArray& block) {
  tiffFile = true;
  m_data = block;
  if (m_data.startsWith("II")) m_motorola = false;
  else if (m_data.startsWith("MM")) m_motorola = true;
  else return "Invalid Exif alignment marker";
  // The first directory usually follows the header; a header pointing elsewhere is followed.
  qint64 first = get32(m_data, 4);
  if (first < 8 || first + 2 > m_data.size()) first = 8;
  const QString error = walkDirectory(first, DirKind::Main, true, 0);
  readMakerNote();
  derive35mm();
  return error;
}

void TImageInfo::readThumbnail() {
  m_thumbTags.clear();
  m_thumbTrace.clear();
  if (thumbStart <= 0 || thumbStart >= m_data.size()) return;
  m_visited.remove(thumbStart);
  walkDirectory(thumbStart, DirKind::Thumbnail, false, 0);
}

std::vector<const TTagEntry*> TImageInfo::entriesOfKind(int kind) const {
  std::vector<const TTagEntry*> out;
  const auto& list = kind == 0 ? m_tags : m_makerTags;
  for (const auto& e : list)
    if (e.kind == kind || (kind == 1 && e.kind == 2)) out.push_back(&e);
  return out;
}

const TTagEntry* TImageInfo::find(const QString& name) const {
  for (const auto* list : {&m_tags, &m_makerTags})
    for (const auto& e : *list)
      if (e.name.compare(name, Qt::CaseInsensitive) == 0) return &e;
  return nullptr;
}

QString TImageInfo::value(const QString& name) const {
  const TTagEntry* e = find(name);
  return e ? e->data : QString();
}

double TImageInfo::numericValue(const QString& name) const {
  const TTagEntry* e = find(name);
  if (!e) return 0;
  if (e->raw.isEmpty() || e->format == 0) return rationalTextValue(e->data);
  switch (e->format) {
    case 1: case 6: case 7: return uchar(e->raw[0]);
    case 3: case 8: return get16(e->raw, 0);
    case 4: case 9: return qint32(get32(e->raw, 0));
    case 5: case 10: {
      const double n = e->format == 5 ? double(get32(e->raw, 0)) : double(qint32(get32(e->raw, 0)));
      const double d = e->format == 5 ? double(get32(e->raw, 4)) : double(qint32(get32(e->raw, 4)));
      return d == 0 ? 0 : n / d;
    }
    default: return rationalTextValue(e->data);
  }
}

QString TImageInfo::formatValues(int format, quint32 count, const QByteArray& raw,
                                 const QString& decode) const {
  const int bpv = bytesPerValue(format);
  const int n = int(std::min<quint32>(count, kMaxValues));
  QStringList parts;
  for (int i = 0; i < n; ++i) {
    const qint64 at = qint64(i) * bpv;
    QString v;
    bool integer = true;
    switch (format) {
      case 1: case 6: v = QString::number(uchar(raw.at(at))); break;
      case 3: case 8: v = QString::number(get16(raw, at)); break;
      case 4: case 9: v = QString::number(qint32(get32(raw, at))); break;
      case 5: case 10:
        v = QString::asprintf("%d/%d", qint32(get32(raw, at)), qint32(get32(raw, at + 4)));
        integer = false;
        break;
      case 11: case 12: v = "-9999.99"; integer = false; break;
      default: v = "?"; integer = false; break;
    }
    if (integer && m_opt.decode && !decode.isEmpty()) v = decodeLookup(decode, v);
    parts << v;
  }
  return parts.join(", ");
}

TTagEntry TImageInfo::buildEntry(const TagRow* row, quint16 tag, int format, quint32 count,
                                 const QByteArray& raw, qint64 start, bool maker) const {
  TTagEntry e;
  e.kind = maker ? 1 : 0;
  e.tag = tag;
  e.format = format;
  e.raw = raw;
  e.size = int(raw.size());
  e.start = start;
  if (row) {
    e.name = QString::fromUtf8(row->name);
    e.code = row->decode ? QString::fromUtf8(row->decode) : QString();
    e.fmtString = row->format ? QString::fromLatin1(row->format) : QString();
    e.conversion = row->conversion;
  } else {
    e.name = "Unknown";
  }
  QString text;
  if (format == 2) {
    text = latin1Until0(raw);
    if (maker) text = '"' + text + '"';
  } else if (format == 7) {
    text = maker ? '"' + QString::fromLatin1(raw) + '"' : '"' + latin1Until0(raw) + '"';
    if (maker)
      for (QChar& c : text)
        if (c.unicode() < 32) c = '.';
  } else if (maker && bytesPerValue(format) == 0) {
    text = '"' + QString::fromLatin1(raw) + '"';
  } else {
    text = formatValues(format, count, raw, e.code);
    if (!e.fmtString.isEmpty()) {
      if (e.fmtString.contains("%s")) {
        text = QString(e.fmtString).replace("%s", text);
      } else {
        double first = 0;
        switch (format) {
          case 5: case 10: first = rationalTextValue(text.section(',', 0, 0)); break;
          default: first = text.section(',', 0, 0).trimmed().toDouble(); break;
        }
        text = applyNumberFormat(e.fmtString, first);
      }
    }
  }
  if (m_opt.decode && e.conversion != Conversion::None) {
    switch (e.conversion) {
      case Conversion::Components: {
        static const char* names[] = {"", "Y", "Cb", "Cr", "R", "G", "B"};
        QString s;
        for (int i = 0; i < std::min<int>(4, raw.size()); ++i) {
          const int b = uchar(raw[i]);
          if (b >= 1 && b <= 6) s += names[b];
        }
        text = s;
        break;
      }
      case Conversion::ShutterSpeed: text = shutterText(rationalTextValue(text)); break;
      case Conversion::Flash: text = flashText(text.toInt()); break;
      case Conversion::UserComment: text = latin1Until0(raw.mid(8)).trimmed(); break;
      case Conversion::XpText: {
        const QStringList parts = splitValues(text);
        QString s;
        for (int i = 0; i < parts.size(); i += 2) {
          const int c = parts[i].toInt();
          if (c > 0 && c < 0x10000) s += QChar(char16_t(c));
        }
        text = s;
        break;
      }
      case Conversion::GpsCoord: {
        const QStringList p = splitValues(text);
        if (p.size() >= 3) {
          double d = rationalTextValue(p[0]), m = rationalTextValue(p[1]), s = rationalTextValue(p[2]);
          if (s == 0 && m != std::floor(m)) {
            s = (m - std::floor(m)) * 60;
            m = std::floor(m);
          }
          text = QString::asprintf("%0.0f Degrees %0.0f Minutes %0.0f Seconds", d, m, s);
        }
        break;
      }
      case Conversion::GpsTime: {
        const QStringList p = splitValues(text);
        if (p.size() >= 3)
          text = QString::asprintf("%0.0f:%0.0f:%0.0f", rationalTextValue(p[0]),
                                   rationalTextValue(p[1]), rationalTextValue(p[2]));
        break;
      }
      case Conversion::NikonLens: {
        const QStringList p = splitValues(text);
        if (p.size() >= 4)
          text = QString::asprintf("%0.1f-%0.1f(mm)  F%0.1f-F%0.1f", rationalTextValue(p[0]),
                                   rationalTextValue(p[1]), rationalTextValue(p[2]),
                                   rationalTextValue(p[3]));
        break;
      }
      case Conversion::NikonColorMode: {
        QString v = text;
        v.remove('"');
        v = v.trimmed();
        if (v == "MODE1") text = "Mode1 (sRGB)";
        else if (v == "MODE2") text = "Mode 2 (Adobe RGB)";
        else if (v == "MODE3") text = "Mode 3 (sRGB): higher saturation";
        break;
      }
      default: break;  // Canon values are split by the maker-note walk
    }
  } else if (!maker) {
    text = printable(text);
  }
  e.data = text;
  return e;
}

QString TImageInfo::appendTrace(const TTagEntry& e, DirKind kind) {
  QString line = "\r\n";
  if (m_opt.verbose) line += "tag[$" + hex4(e.tag) + "]: ";
  line += e.desc + " = " + e.data;
  if (m_opt.verbose)
    line += " [size: " + QString::number(e.size) + "]" + " [start: " + QString::number(e.start) + "]";
  (kind == DirKind::Thumbnail ? m_thumbTrace : m_trace) += line;
  return line;
}

QString TImageInfo::walkDirectory(qint64 start, DirKind kind, bool first, int depth) {
  if (depth > kMaxDepth || m_visited.contains(start)) return {};
  if (start < 0 || start + 2 > m_data.size()) return "Illegal Exif construction";
  m_visited.insert(start);
  const int n = get16(m_data, start);
  if (m_opt.verbose)
    m_trace += "\r\n" + QStringLiteral("Directory: Start, entries = %1, %2").arg(start).arg(n);
  const qint64 end = start + 2 + 12 * qint64(n);
  if (end > m_data.size()) return "Illegally sized directory";
  if (first && !tiffFile && !m_thumbRecorded) {
    m_thumbRecorded = true;
    const qint64 link = get32(m_data, end);
    if (link > 0 && link < m_data.size()) {
      thumbStart = link;
      thumbLength = m_data.size() - link;
    }
  }
  const Table& table = kind == DirKind::Gps ? gpsTable() : mainTable();
  for (int i = 0; i < n; ++i) {
    const qint64 entry = start + 2 + 12 * qint64(i);
    const quint16 tag = get16(m_data, entry);
    const int format = get16(m_data, entry + 2);
    const quint32 count = get32(m_data, entry + 4);
    const qint64 bytes = qint64(count) * bytesPerValue(format);
    if (bytes == 0) continue;
    const qint64 valuePos = bytes <= 4 ? entry + 8 : qint64(get32(m_data, entry + 8));
    if (valuePos + bytes > m_data.size()) continue;  // value outside the data
    const QByteArray raw = m_data.mid(valuePos, bytes);
    const int rowIndex = table.find(tag);
    const TagRow* row = rowIndex >= 0 ? &table.rows[rowIndex] : nullptr;
    TTagEntry e = buildEntry(row, tag, format, count, raw, valuePos, false);
    e.desc = row ? table.descriptions[rowIndex] : QString("Unknown");
    appendTrace(e, kind);
    capture(e, kind);
    if (kind != DirKind::Thumbnail) {
      if (tag == 0x014A || tag == 0x8769 || tag == 0xA005 || tag == 0x8825) {
        const DirKind sub = tag == 0x8825 ? DirKind::Gps : DirKind::Main;
        const int subs = (format == 4 || format == 13) ? int(std::min<quint32>(count, kMaxValues)) : 1;
        for (int s = 0; s < subs; ++s) {
          const qint64 off = format == 3 ? get16(raw, 0) : get32(raw, 4 * s);
          walkDirectory(off, sub, false, depth + 1);  // errors below the top are ignored
        }
      }
    }
    (kind == DirKind::Thumbnail ? m_thumbTags : m_tags).push_back(std::move(e));
  }
  return {};
}

void TImageInfo::capture(TTagEntry& e, DirKind kind) {
  if (kind == DirKind::Thumbnail) {
    if (e.tag == 0x0103) thumbCompression = int(get16(e.raw, 0));
    return;
  }
  if (kind == DirKind::Gps) return;
  auto firstNumber = [&]() -> qint64 {
    return e.format == 3 ? qint64(get16(e.raw, 0)) : e.format == 4 ? qint64(get32(e.raw, 0)) : 0;
  };
  switch (e.tag) {
    case 0x0100: case 0xA002:
      width = int(firstNumber()); widthPos = e.start; widthFormat = e.format; break;
    case 0x0101: case 0xA003:
      height = int(firstNumber()); heightPos = e.start; heightFormat = e.format; break;
    case 0x010F: cameraMake = latin1Until0(e.raw).trimmed().left(32); break;
    case 0x0110: cameraModel = latin1Until0(e.raw).trimmed().left(40); break;
    case 0x0132: case 0x9003: dateTime = latin1Until0(e.raw).trimmed().left(20); break;
    case 0x9004: dateTimeDigitizedOffset = e.start; break;
    case 0x9000: exifVersion = latin1Until0(e.raw).left(6); break;
    case 0x9209: flashUsed = int(firstNumber()); break;
    case 0x9286:
      comments = latin1Until0(e.raw.mid(8)).trimmed();
      commentOffset = e.start;
      e.data = comments;
      break;
    case 0x927C:
      if (makerNote.isEmpty()) {
        makerNote = e.raw;
        makerNoteOffset = e.start;
      }
      break;
    default: break;
  }
}

void TImageInfo::derive35mm() {
  if (find("FocalLengthin35mmFilm")) return;
  int unit = find("FocalPlaneResolutionUnit") ? int(numericValue("FocalPlaneResolutionUnit")) : 0;
  if (unit == 0) unit = int(numericValue("ResolutionUnit"));
  const double mmPerUnit = unit == 2 ? 25.4 : unit == 3 ? 10.0 : 0;
  if (mmPerUnit == 0) return;
  const double f = numericValue("FocalLength");
  if (f == 0) return;
  const double xRes = numericValue("FocalPlaneXResolution");
  const double yRes = numericValue("FocalPlaneYResolution");
  const double w = xRes > 0 ? width * mmPerUnit / xRes : 0;
  const double h = yRes > 0 ? height * mmPerUnit / yRes : 0;
  if (!(w > 0 && h > 0)) return;
  const double factor = 43.26661531 / std::sqrt(w * w + h * h);
  const Table& table = mainTable();
  const int rowIndex = table.find(0xA405);
  TTagEntry e;
  e.kind = 0;
  e.tag = 0xA405;
  e.name = QString::fromUtf8(table.rows[rowIndex].name);
  e.desc = table.descriptions[rowIndex];
  e.format = 10;
  e.data = applyNumberFormat("%5.2f", f * factor);
  e.fmtString = "%s mm";
  appendTrace(e, DirKind::Main);
  m_tags.push_back(std::move(e));
}

void TImageInfo::readMakerNote() {
  if (makerNote.isEmpty()) return;
  const QString maker = cameraMake.left(5).toUpper();
  const qint64 mn = makerNoteOffset;
  const bool savedOrder = m_motorola;
  if (maker == "NIKON") {
    const QString afterBlank = cameraModel.section(' ', 1);
    const bool newer = exifVersion > "0210" ||
                       (exifVersion.isEmpty() && afterBlank.startsWith('D') && tiffFile);
    const QByteArray header = makerNote.mid(10, 2);
    if (newer && (header == "II" || header == "MM")) {
      m_motorola = header == "MM";
      walkMakerDirectory(makerTagRows(MakerTable::Nikon), mn + 18, mn + 10);
    } else if (!makerNote.startsWith("Nikon")) {
      walkMakerDirectory(makerTagRows(MakerTable::Nikon), mn, 0);
    } else {
      walkMakerDirectory(makerTagRows(MakerTable::NikonOld), mn + 8, 0);
    }
  } else if (maker == "OLYMP") {
    walkMakerDirectory(makerTagRows(MakerTable::Olympus), mn + 8, 0);
  } else if (maker == "CASIO") {
    walkMakerDirectory(makerTagRows(MakerTable::Casio), mn, 0);
  } else if (maker == "FUJIF") {
    m_motorola = false;
    walkMakerDirectory(makerTagRows(MakerTable::Fuji), mn + 12, mn);
  } else if (maker == "CANON") {
    walkMakerDirectory(makerTagRows(MakerTable::Canon), mn, 0);
  } else if (maker == "SEIKO") {
    walkMakerDirectory(makerTagRows(MakerTable::Seiko), mn + 8, 0);
  } else if (maker == "SANYO") {
    walkMakerDirectory(makerTagRows(MakerTable::Sanyo), mn + 8, 0);
  } else if (maker == "MINOL") {
    walkMakerDirectory(makerTagRows(MakerTable::Minolta), mn, 0);
  }
  m_motorola = savedOrder;
}

namespace {

struct SubValue {
  const char* name;
  int element;
  const char* decode;  // nullptr: the element's own text
};

const char* const kLowNormalHighCanon = "65535:Low,0:Normal,1:High";

const std::vector<SubValue>& canonExposure1() {
  static const std::vector<SubValue> v = {
      {"Macro mode", 1, "1:Macro,2:Normal"},
      {"Self Timer", 2, nullptr},
      {"Compression Rate", 3, "0:SuperFine,1:Fine,2:Normal,3:Basic,5:SuperFine"},
      {"Flash Mode", 4,
       "0:Not fired,1:Auto,2:On,3:Red-eye,4:Slow sync,5:Auto+red-eye,6:On+red eye,16:External flash"},
      {"Drive Mode", 5, "0:Single,1:Continuous"},
      {"Focus Mode", 7, "0:One-Shot,1:AI Servo,2:AI Focus,3:MF,4:Single,5:Continuous,6:MF"},
      {"Image Size", 10, "0:Large,1:Medium,2:Small,4:5MPixel,5:2 MPixel,6:1.5 MPixel"},
      {"Easy Shoot", 11,
       "0:Full Auto,1:Manual,2:Landscape,3:Fast Shutter,4:Slow Shutter,5:Night,6:B&W,7:Sepia,"
       "8:Portrait,9:Sports,10:Macro/Close-Up,11:Pan Focus"},
      {"Contrast", 13, kLowNormalHighCanon},
      {"Saturation", 14, kLowNormalHighCanon},
      {"Sharpness", 15, kLowNormalHighCanon},
      {"CCD ISO", 16, "0:Not used,15:auto,16:50,17:100,18:200,19:400"},
      {"Metering Mode", 17, kLowNormalHighCanon},
      {"AF Point", 19, kLowNormalHighCanon},
      {"Exposure Mode", 20, kLowNormalHighCanon},
      {"Long focal", 24, nullptr},
      {"Short focal", 25, nullptr},
      {"Focal Units", 26, nullptr},
      {"Flash Details", 29, nullptr},
      {"Focus Mode", 32, kLowNormalHighCanon},
  };
  return v;
}

const std::vector<SubValue>& canonExposure2() {
  static const std::vector<SubValue> v = {
      {"White balance", 7, "0:Auto,1:Sunny,2:Cloudy,3:Tungsten,4:Flourescent,5:Flash,6:Custom"},
      {"Sequence Number", 9, nullptr},
      {"OpticalZoom Step", 11, nullptr},
      {"AF point", 14, nullptr},
      {"Flash bias", 15,
       "65472:-2 EV,65484:-1.67 EV,65488:-1.50 EV,65492:-1.33 EV,65504:-1 EV,65516:-0.67 EV,"
       "65520:-0.50 EV,65524:-0.33 EV,0:0 EV,12:0.33 EV,16:0.50 EV,20:0.67 EV,32:1 EV,"
       "44:1.33 EV,48:1.50 EV,52:1.67 EV,64:2 EV"},
      {"Distance", 19, nullptr},
  };
  return v;
}

struct CustomFunction {
  const char* name;
  const char* decode;
};
const CustomFunction kCanonCustom[15] = {
    {"Noise Reduction", "0: Off,1: On"},
    {"Shutter AE Lock Button", "0:AF/AE lock,1:AE lock/AF,2:AF/AF lock,3:AE+release/AE+AF"},
    {"Mirror Lockup", "0:Disable,1:Enable"},
    {"Exposure Level", "0:1/2 stop,1:1/3 stop"},
    {"AF Assist", "0:On (auto),1:Off"},
    {"AV Shutter Speed", "0:Automatic,1: 1/200 (fixed)"},
    {"AEB Sequence", "0:0, -, + / Enabled1: 0, -, + / Disabled,2: -, 0, + / Enabled,3: -, 0, + / Disabled"},
    {"Shutter Sync", "0:1st-curtain sync,1: 2nd-curtain sync"},
    {"Lens AF Button", "0:AF stop,1:Operate AF,2:Lock AE and start timer"},
    {"Fill Flash Reduction", "0:Enable,1:Disable"},
    {"Menu Return", "0:Top,1:Previous (volatile),2:Previous"},
    {"Set Button", "0:Not assigned,1:Change quality,2:Change ISO speed,3:Select parameters"},
    {"Sensor Cleaning", "0:Disable,1:Enable"},
    {"Superimposed Display", "0: On,1: Off"},
    {"Shutter Release w/o CF Card", "0:Enable,1:Disable"},
};

}  // namespace

void TImageInfo::walkMakerDirectory(const std::vector<TagRow>& table, qint64 dirPos, qint64 base) {
  if (dirPos < 0 || dirPos + 2 > m_data.size()) return;
  const int n = get16(m_data, dirPos);
  if (dirPos + 2 + 12 * qint64(n) > m_data.size()) return;
  hasMakerNotes = true;
  for (int i = 0; i < n; ++i) {
    const qint64 entry = dirPos + 2 + 12 * qint64(i);
    const quint16 tag = get16(m_data, entry);
    const int format = get16(m_data, entry + 2);
    const quint32 count = get32(m_data, entry + 4);
    const int bpv = bytesPerValue(format);
    const qint64 bytes = qint64(count) * (bpv ? bpv : 1);
    if (bytes == 0) continue;
    const qint64 valuePos = bytes <= 4 ? entry + 8 : base + qint64(get32(m_data, entry + 8));
    if (valuePos < 0 || valuePos + bytes > m_data.size()) continue;
    const QByteArray raw = m_data.mid(valuePos, bytes);
    const TagRow* row = nullptr;
    for (const auto& r : table)
      if (r.tag == tag) {
        row = &r;
        break;
      }
    if (row && QString::fromUtf8(row->description).compare("skip", Qt::CaseInsensitive) == 0) continue;
    TTagEntry e = buildEntry(row, tag, format, count, raw, valuePos, true);
    e.desc = row ? QString::fromUtf8(row->description) : QString("Unknown");
    // Canon values split into named sub-values.
    QStringList subLines;
    std::vector<TTagEntry> subs;
    auto addSub = [&](const QString& name, const QString& value) {
      QString squeezed = value;
      squeezed.remove(' ');
      if (squeezed.isEmpty()) return;
      TTagEntry s;
      s.kind = 2;
      s.tag = tag;
      s.name = name;
      s.desc = name;
      s.data = value;
      subs.push_back(s);
      subLines << "\r\n" + name + " = " + value;
    };
    if (row && m_opt.decode &&
        (row->conversion == Conversion::CanonExposure1 || row->conversion == Conversion::CanonExposure2)) {
      const QStringList elements = e.data.split(',');
      const auto& list = row->conversion == Conversion::CanonExposure1 ? canonExposure1() : canonExposure2();
      for (const auto& sv : list) {
        if (sv.element >= elements.size()) continue;
        QString el = elements[sv.element];
        if (sv.decode) {
          el.remove(' ');
          addSub(sv.name, decodeLookup(sv.decode, el));
        } else {
          addSub(sv.name, el.trimmed());
        }
      }
    } else if (row && m_opt.decode && row->conversion == Conversion::CanonCustom) {
      const QStringList elements = e.data.split(',');
      const int examined = int(e.data.count(','));
      for (int k = 0; k < examined && k < elements.size(); ++k) {
        const int v = elements[k].trimmed().toInt();
        const int fn = v / 256;
        if (fn < 1 || fn > 15) continue;
        addSub(kCanonCustom[fn - 1].name, decodeLookup(kCanonCustom[fn - 1].decode, QString::number(v % 256)));
      }
    }
    QString line = "\r\n";
    if (m_opt.verbose) {
      QString hexRaw;
      for (int k = 0; k < std::min<int>(16, raw.size()); ++k)
        hexRaw += QStringLiteral("%1 ").arg(uchar(raw[k]), 2, 16, QChar('0')).toUpper();
      if (raw.size() > 16) hexRaw += "...";
      line += "tag[$" + hex4(tag) + "]: " + e.desc + " = " + (subs.empty() ? e.data : QString()) +
              " [size: " + QString::number(bytes) + "]" + " [raw: " + hexRaw + "]" +
              " [start: " + QString::number(valuePos) + "]";
      m_makerTrace += line + subLines.join(QString());
    } else {
      m_makerTrace += subLines.join(QString()) + line + e.desc + " = " + e.data;
    }
    if (row) {
      // Sub-value lines stand before the line of their tag.
      for (auto& s : subs) m_makerTags.push_back(std::move(s));
      m_makerTags.push_back(std::move(e));
    }
  }
}

}  // namespace vantorim::fileinfo
