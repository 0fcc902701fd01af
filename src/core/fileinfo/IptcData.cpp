#include "core/fileinfo/IptcData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace vantorim::fileinfo {

const std::vector<IptcTagRow>& iptcTagRows() {
  static const std::vector<IptcTagRow> rows = {
      {2, 0, "SKIP", "Record Version", 64, "Rekordversion", "Record Version"},
      {2, 3, "ObjectType", "Object Type Ref", 67, "Objekt Typ Hinweis", "Object Type Ref"},
      {2, 4, "ObjectAttr", "Object Attribute Ref", 67, "Objekt Attribut Hinweis", "Object Attribute Ref"},
      {2, 5, "ObjectName", "Object name", 64, "Objekt Name", "Object Name"},
      {2, 7, "EditStatus", "Edit Status", 64, "Bearbeitungsstatus", "Edit Status"},
      {2, 8, "EditorialUpdate", "Editorial Update", 2, "Redaktionelles Update", "Editorial Update"},
      {2, 10, "Urgency", "Urgency", 1, "Dringlichkeit", "Urgency"},
      {2, 12, "SubRef", "Subject Reference", 236, "Betreff", "Subject Reference"},
      {2, 15, "Category", "Category", 3, "Kategorie", "Category"},
      {2, 20, "SuppCategory", "Supplemental category", 32, "Ergänzende Kategorie", "Supplemental Category"},
      {2, 22, "FixtureID", "Fixture ID", 32, "Zubehör ID", "Fixture ID"},
      {2, 25, "Keywords", "Keywords", 64, "Schlüsselwörter", "Keywords"},
      {2, 26, "ContentLocCode", "Content Location Code", 3, "Inhaltpositions Code", "Content Location Code"},
      {2, 27, "ContentLocName", "Content Location Name", 64, "Inhaltpositions Name", "Content Location Name"},
      {2, 30, "ReleaseDate", "Release Date", 8, "Freigabedatum", "Release Date"},
      {2, 35, "ReleaseTime", "Release Time", 11, "Freigabezeit", "Release Time"},
      {2, 37, "ExpireDate", "Expiration Date", 8, "Verfallsdatum", "Expiration Date"},
      {2, 38, "ExpireTime", "Expiration Time", 11, "Verfallszeit", "Expiration Time"},
      {2, 40, "SpecialInstru", "Special Instructions", 256, "Spezielle Anweisungen", "Special Instructions"},
      {2, 42, "ActionAdvised", "Action Advised", 2, "Angeratene Vorgehensweise", "Action Advised"},
      {2, 45, "RefService", "Reference Service", 10, "Bezugsservice", "Reference Service"},
      {2, 47, "RefDate", "Reference Date", 8, "Bezugsdatum", "Reference Date"},
      {2, 50, "RefNumber", "Reference Number", 8, "Bezugsnummer", "Reference Number"},
      {2, 55, "DateCreated", "Date created", 8, "Erstellungsdatum", "Date Created"},
      {2, 60, "TimeCreated", "Time created", 11, "Erstellungszeit", "Time Created"},
      {2, 62, "DigitizeDate", "Digital Creation Date", 8, "Digitales Erstellungsdatum", "Digital Creation Date"},
      {2, 63, "DigitizeTime", "Digital Creation Time", 11, "Digitale Erstellungszeit", "Digital Creation Time"},
      {2, 65, "OriginatingProgram", "Originating Program", 32, "Erstellungsprogramm", "Originating Program"},
      {2, 70, "ProgramVersion", "Program version", 10, "Programm Version", "Program Version"},
      {2, 75, "ObjectCycle", "Object Cycle", 1, "Objekt Zyklus", "Object Cycle"},
      {2, 80, "ByLine", "ByLine", 32, "Kopflinie", "ByLine"},
      {2, 85, "ByLineTitle", "ByLine Title", 32, "Kopflinie Titel", "ByLine Title"},
      {2, 90, "City", "City", 32, "Stadt", "City"},
      {2, 92, "SubLocation", "Sublocation", 32, "Sublocation", "Sublocation"},
      {2, 95, "State", "Province/State", 32, "Provinz/Staat", "Province/State"},
      {2, 100, "LocationCode", "Country/Primary Location Code", 3, "Land/Primärer Positionscode",
       "Country/Primary Location Code"},
      {2, 101, "LocationName", "Country/Primary Location Name", 64, "Land/Primärer Positionsname",
       "Country/Primary Location Name"},
      {2, 103, "TransmissionRef", "Original Transmission Reference", 32, "Original Übermittlungshinweis",
       "Original Transmission Reference"},
      {2, 105, "ImageHeadline", "Image Headline", 256, "Bildüberschrift", "Image Headline"},
      {2, 110, "ImageCredit", "Image Credit", 32, "Bildeinfluss", "Image Credit"},
      {2, 115, "Source", "Source", 32, "Quelle", "Source"},
      {2, 116, "Copyright", "Copyright Notice", 128, "Copyright Notiz", "Copyright Notice"},
      {2, 118, "Contact", "Contact", 128, "Kontakt", "Contact"},
      {2, 120, "ImageCaption", "Image Caption", 2000, "Bilduntertitel", "Image Caption"},
      {2, 122, "ImageCaptionWriter", "Image caption writer", 32, "Schreiber des Bilduntertitels",
       "Image Caption Writer"},
      {2, 130, "ImageType", "Image Type", 2, "Bildtyp", "Image Type"},
      {2, 131, "Orientation", "Image Orientation", 1, "Bildausrichtung", "Image Orientation"},
      {2, 135, "LangID", "Language ID", 3, "Sprachidentifikation", "Language ID"},
      {8, 10, "Subfile", "Subfile", 2, "Unterdatei", "Subfile"},
  };
  return rows;
}

namespace {

const IptcTagRow* rowFor(int record, int dataset) {
  for (const auto& r : iptcTagRows())
    if (r.record == record && r.dataset == dataset) return &r;
  return nullptr;
}

const IptcTagRow* rowNamed(const QString& name) {
  for (const auto& r : iptcTagRows())
    if (name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0) return &r;
  return nullptr;
}

bool isListTag(const QString& name) {
  return name.compare("SuppCategory", Qt::CaseInsensitive) == 0 ||
         name.compare("Keywords", Qt::CaseInsensitive) == 0;
}

struct Dataset {
  int record, dataset;
  QByteArray value;
};

// The datasets of a section, in file order.
std::vector<Dataset> readDatasets(const QByteArray& section) {
  std::vector<Dataset> out;
  const int ps = section.indexOf("Photoshop 3.0");
  if (ps < 0) return out;
  qint64 pos = ps + 13;
  const qint64 size = section.size();
  const auto* d = reinterpret_cast<const uchar*>(section.constData());
  while (pos + 1 < size && !(d[pos] == 0x1C && (d[pos + 1] == 2 || d[pos + 1] == 8))) ++pos;
  while (pos + 5 <= size && size - pos >= 3) {
    if (d[pos] != 0x1C) break;
    const int record = d[pos + 1], dataset = d[pos + 2];
    const int length = d[pos + 3] << 8 | d[pos + 4];
    if (length & 0x8000) break;  // extended lengths are not read
    if (pos + 5 + length > size) break;
    out.push_back({record, dataset, section.mid(pos + 5, length)});
    pos += 5 + length;
  }
  return out;
}

TTagEntry entryFor(int record, int dataset) {
  TTagEntry e;
  e.tag = quint16(record << 8 | dataset);
  if (const IptcTagRow* row = rowFor(record, dataset)) {
    e.name = QLatin1String(row->name);
    e.desc = QString::fromUtf8(row->description);
    e.maxLength = row->maxLength;
  } else {
    e.name = e.desc = "Custom_" + QString::number(dataset);
    e.maxLength = 64;
  }
  return e;
}

QString valueText(const QByteArray& v) { return QString::fromUtf8(v); }

}  // namespace

void TIPTCdata::parse(const QByteArray& section) {
  m_tags.clear();
  m_tags.reserve(25);
  for (const Dataset& ds : readDatasets(section)) {
    if (ds.record != 2 && ds.record != 8) continue;
    if (ds.record == 2 && ds.dataset == 0) continue;
    TTagEntry e = entryFor(ds.record, ds.dataset);
    e.data = valueText(ds.value);
    if (isListTag(e.name)) {
      const int i = indexOf(e.name);
      if (i >= 0) {
        m_tags[size_t(i)].data += ',' + e.data;
        continue;
      }
    }
    m_tags.push_back(std::move(e));
  }
  setLanguage(m_language);
}

QStringList TIPTCdata::textLines(const QByteArray& section) {
  QStringList lines;
  for (const Dataset& ds : readDatasets(section)) {
    if (ds.record != 2 && ds.record != 8) continue;
    if (ds.record == 2 && ds.dataset == 0) continue;
    lines << entryFor(ds.record, ds.dataset).desc + " = " + valueText(ds.value);
  }
  return lines;
}

int TIPTCdata::indexOf(const QString& name) const {
  for (int i = 0; i < count(); ++i)
    if (m_tags[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString TIPTCdata::value(const QString& name, const QString& fallback) const {
  const int i = indexOf(name);
  return i < 0 ? fallback : m_tags[size_t(i)].data;
}

void TIPTCdata::setValue(int index, const QString& value) {
  if (index >= 0 && index < count()) m_tags[size_t(index)].data = value;
}

int TIPTCdata::addTag(const QString& name, const QString& value) {
  const int i = indexOf(name);
  if (i >= 0) {
    if (!value.isEmpty()) m_tags[size_t(i)].data = value;
    return i;
  }
  const IptcTagRow* row = rowNamed(name);
  if (!row || row == &iptcTagRows().front()) return -1;
  TTagEntry e = entryFor(row->record, row->dataset);
  e.data = value;
  e.desc = QString::fromUtf8(m_language == kEnglish ? row->english : row->german);
  m_tags.push_back(std::move(e));
  return count() - 1;
}

int TIPTCdata::addToListTag(const QString& name, const QString& value) {
  const int i = indexOf(name);
  if (i < 0) return addTag(name, value);
  if (!value.isEmpty()) {
    QString& v = m_tags[size_t(i)].data;
    v = v.isEmpty() ? value : v + ',' + value;
  }
  return i;
}

int TIPTCdata::setTag(const QString& name, const QString& value) {
  return isListTag(name) ? addToListTag(name, value) : addTag(name, value);
}

void TIPTCdata::removeTag(const QString& name) {
  const int i = indexOf(name);
  if (i >= 0) m_tags.erase(m_tags.begin() + i);
}

void TIPTCdata::setLanguage(int language) {
  m_language = language;
  for (auto& e : m_tags)
    if (const IptcTagRow* row = rowNamed(e.name))
      e.desc = QString::fromUtf8(language == kEnglish ? row->english : row->german);
}

QDateTime TIPTCdata::creationDate() const {
  const QString text = value("DateCreated", "00000000") + value("TimeCreated", "000000").left(6);
  QDateTime dt = QDateTime::fromString(text, "yyyyMMddHHmmss");
  return dt.isValid() ? dt : QDateTime();
}

QByteArray TIPTCdata::buildBlock() const {
  QByteArray sets;
  auto add = [&](int record, int dataset, const QByteArray& v) {
    sets.append(char(0x1C)).append(char(record)).append(char(dataset));
    sets.append(char(v.size() >> 8 & 0xFF)).append(char(v.size() & 0xFF)).append(v);
  };
  for (const auto& e : m_tags) {
    const int record = e.tag >> 8, dataset = e.tag & 0xFF;
    if (record == 2 && isListTag(e.name)) {
      QString rest = e.data;
      while (!rest.trimmed().isEmpty()) {
        const int comma = rest.indexOf(',');
        const QString part = comma < 0 ? rest : rest.left(comma);
        rest = comma < 0 ? QString() : rest.mid(comma + 1);
        add(record, dataset, part.trimmed().toUtf8());
      }
    } else {
      add(record, dataset, e.data.toUtf8());
    }
  }
  if (sets.size() % 2 == 0) sets.append('\0');
  sets.prepend(QByteArray("\x1C\x02\x00\x00\x02\x00\x02", 7));
  QByteArray block("Photoshop 3.0", 13);
  block.append('\0').append("8BIM").append("\x04\x04\x00\x00", 4);
  block.append("\x00\x00", 2).append(char(sets.size() >> 8 & 0xFF)).append(char(sets.size() & 0xFF));
  block.append(sets);
  block.append("8BIM").append("\x04\x0B\x00\x00\x00\x00\x00\x00", 8);
  return block;
}


namespace {

// One image resource of a Photoshop 3.0 block: its whole bytes (signature to padded data).
struct Resource {
  int id;
  QByteArray bytes;
};

// The resources of a Photoshop 3.0 block (after its 14-byte identifier); false when damaged.
bool splitResources(const QByteArray& block, std::vector<Resource>& out) {
  qint64 pos = 14;
  const qint64 size = block.size();
  const auto* d = reinterpret_cast<const uchar*>(block.constData());
  while (pos < size) {
    if (pos + 7 > size || block.mid(pos, 4) != "8BIM") return false;
    const int id = d[pos + 4] << 8 | d[pos + 5];
    qint64 p = pos + 6;
    const int nameLen = d[p];
    p += 1 + nameLen;
    if ((1 + nameLen) % 2) ++p;  // the name is padded to an even length
    if (p + 4 > size) return false;
    const qint64 len = qint64(d[p]) << 24 | d[p + 1] << 16 | d[p + 2] << 8 | d[p + 3];
    p += 4 + len + (len % 2);
    if (p > size + 1) return false;
    p = std::min(p, size);
    out.push_back({id, block.mid(pos, p - pos)});
    pos = p;
  }
  return true;
}

// The new block's IPTC resource put into the picture's old Photoshop block in place of
// the old one, so its other resources (resolution, thumbnail, paths...) stay.
QByteArray mergeIntoOldBlock(const QByteArray& oldBlock, const QByteArray& newBlock) {
  std::vector<Resource> oldRes, newRes;
  if (!splitResources(oldBlock, oldRes) || !splitResources(newBlock, newRes)) return newBlock;
  QByteArray iptc;
  for (const auto& r : newRes)
    if (r.id == 0x0404) iptc = r.bytes;
  QByteArray out = newBlock.left(14);
  bool placed = false;
  for (const auto& r : oldRes) {
    if (r.id == 0x0404) {
      if (!placed) out += iptc;
      placed = true;
    } else {
      out += r.bytes;
    }
  }
  if (!placed) out += iptc;
  return out;
}

}  // namespace

platform::OpResult TIPTCdata::writeCopy(const QString& target, const QString& source,
                                        bool replaceExisting) const {
  return writeJpegWithIptc(source, target, buildBlock(), replaceExisting);
}

platform::OpResult writeJpegWithIptc(const QString& source, const QString& target,
                                     const QByteArray& newBlock, bool replaceExisting) {
  using platform::OpResult;
  if (!replaceExisting && QFileInfo::exists(target))
    return OpResult::failure("A file with this name already exists: " + target);
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return OpResult::failure(in.errorString());
  if (in.read(2) != QByteArray("\xFF\xD8", 2)) return OpResult::failure("Not a JPEG picture: " + source);

  // The segments before the scan; everything from the scan on is copied unchanged.
  struct Segment {
    int marker;
    QByteArray bytes;  // FF, marker, length field, payload
  };
  std::vector<Segment> head;
  qint64 scanStart = -1;
  for (;;) {
    const qint64 at = in.pos();
    const QByteArray m = in.read(2);
    if (m.size() != 2 || uchar(m[0]) != 0xFF) return OpResult::failure("Damaged JPEG picture: " + source);
    const int marker = uchar(m[1]);
    if (marker == 0xFF) {  // fill byte
      in.seek(at + 1);
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) {
      scanStart = at;
      break;
    }
    const QByteArray len = in.read(2);
    if (len.size() != 2) return OpResult::failure("Damaged JPEG picture: " + source);
    const int size = uchar(len[0]) << 8 | uchar(len[1]);
    if (size < 2) return OpResult::failure("Damaged JPEG picture: " + source);
    const QByteArray payload = in.read(size - 2);
    if (payload.size() != size - 2) return OpResult::failure("Damaged JPEG picture: " + source);
    head.push_back({marker, m + len + payload});
  }

  int replace = -1, insertAt = 0;
  for (int i = 0; i < int(head.size()); ++i) {
    if (head[i].marker == 0xED && replace < 0 && head[i].bytes.indexOf("Photoshop 3.0") == 4) replace = i;
  }
  const QByteArray iptcBlock = replace < 0 ? newBlock : mergeIntoOldBlock(head[replace].bytes.mid(4), newBlock);
  if (iptcBlock.size() + 2 > 0xFFFF) return OpResult::failure("The IPTC data are too long for one section.");
  QByteArray section("\xFF\xED", 2);
  section.append(char((iptcBlock.size() + 2) >> 8 & 0xFF)).append(char((iptcBlock.size() + 2) & 0xFF));
  section.append(iptcBlock);
  if (replace < 0) {
    while (insertAt < int(head.size()) && head[insertAt].marker >= 0xE0 && head[insertAt].marker <= 0xEF)
      ++insertAt;
  }

  auto writeAll = [&](QIODevice& out) {
    bool ok = out.write("\xFF\xD8", 2) == 2;
    for (int i = 0; ok && i <= int(head.size()); ++i) {
      if (replace < 0 && i == insertAt) ok = out.write(section) == section.size();
      if (i == int(head.size())) break;
      const QByteArray& bytes = i == replace ? section : head[i].bytes;
      ok = ok && out.write(bytes) == bytes.size();
    }
    in.seek(scanStart);
    while (ok && !in.atEnd()) {
      const QByteArray block = in.read(1 << 20);
      if (block.isEmpty()) break;
      ok = out.write(block) == block.size();
    }
    return ok;
  };

  if (replaceExisting) {
    // Written beside the target and renamed over it only when complete.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return OpResult::failure(out.errorString());
    if (!writeAll(out)) {
      out.cancelWriting();
      return OpResult::failure("Writing failed: " + out.errorString());
    }
    if (!out.commit()) return OpResult::failure("Writing failed: " + out.errorString());
    return OpResult::success();
  }
  QTemporaryFile tmp(QFileInfo(target).absolutePath() + "/.vantorim-XXXXXX.tmp");
  if (!tmp.open()) return OpResult::failure(tmp.errorString());
  if (!writeAll(tmp) || !tmp.flush()) return OpResult::failure("Writing failed: " + tmp.errorString());
  tmp.setPermissions(in.permissions());
  const QString tmpName = tmp.fileName();
  tmp.setAutoRemove(false);
  tmp.close();
  const OpResult result = platform::renameNoReplace(tmpName, target);
  if (!result) QFile::remove(tmpName);
  return result;
}

}  // namespace vantorim::fileinfo
