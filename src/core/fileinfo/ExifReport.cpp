#include "core/fileinfo/ExifReport.h"

#include "core/fileinfo/IptcData.h"
#include "core/fileinfo/TagTables.h"

#include <QJsonArray>

namespace vantorim::fileinfo {

namespace {

void appendText(QStringList& lines, const QString& text) {
  // Trace texts hold "\r\n"-separated lines.
  const QStringList parts = text.split("\r\n");
  for (const QString& p : parts)
    if (!p.isEmpty()) lines << p;
}

}  // namespace

QStringList exifReportLines(TImgData& img, const QString& path, bool verbose) {
  QStringList lines;
  img.setVerbose(verbose);
  img.readFile(path);
  if (verbose) {
    lines << " --------------------------- " << "File = " + path
          << "Section count = " + QString::number(img.sections().size());
    int i = 1;
    for (const tSection& s : img.sections())
      lines << "    Section[" + QString::number(i++) + "]" + ".type = $" +
                   QStringLiteral("%1").arg(s.marker, 2, 16, QChar('0')).toUpper() + " - " +
                   jpegMarkerName(s.marker) + " (" + QString::number(s.size) + ")";
  }
  lines << " " << "-- EXIF-Data -------------- " << "ErrStr = " + img.errorText();
  TImageInfo* info = img.exifInfo();
  const bool exif = (img.hasExif() || img.tiffFile()) && info;
  if (exif) {
    lines << (info->motorola() ? "Motorola Byte Order" : "Intel Byte Order");
    if (verbose) appendText(lines, info->traceText());
    else
      for (const TTagEntry* e : info->entriesOfKind(0)) lines << e->desc + " = " + e->data;
  }
  if (img.hasMetadata() || exif) {
    if (info && info->hasMakerNotes) {
      lines << " " << " -- Maker Specific Data ---- ";
      if (verbose) appendText(lines, info->makerTrace());
      else
        for (const TTagEntry& e : info->makerTags()) lines << e.desc + " = " + e.data;
    }
    if (img.hasThumbnail()) {
      img.readThumbnail();
      lines << " " << " -- Thumbnail Data ---- " << "Thumbnail Start = " + QString::number(info->thumbStart)
            << "Thumbnail Length = " + QString::number(info->thumbLength);
      if (verbose) appendText(lines, info->thumbnailTrace());
      else
        for (const TTagEntry& e : info->thumbnailTags()) lines << e.desc + " = " + e.data;
    } else {
      lines << "No Thumbnail";
    }
    if (img.commentSection()) lines << " " << " Comment Segment Available" << img.commentText();
    if (const tSection* s = img.iptcSection()) {
      const QStringList iptc = TIPTCdata::textLines(s->data);
      if (!iptc.isEmpty()) lines << "" << " IPTC Segment Available!" << iptc;
    }
  }
  if (exif) {
    lines << " " << " -- EXIF Summary -(short)--- " << img.shortSummary();
    lines << " " << " -- EXIF Summary -(long)---- ";
    appendText(lines, img.longSummary());
    lines << "";
    if (info->find("MaxApertureValue")) lines << " ** Widest Aperture is " + info->value("MaxApertureValue");
    if (info->find("ShutterSpeedValue")) lines << " ** Response Time is " + info->value("ShutterSpeedValue");
    if (info->find("MeteringMode")) lines << " ** Light Meter mode is " + info->value("MeteringMode");
  }
  return lines;
}

QJsonObject exifReportJson(TImgData& img) {
  QJsonObject o;
  o["file"] = img.filePath();
  o["error"] = img.errorText();
  TImageInfo* info = img.exifInfo();
  if (!info) return o;
  QJsonObject tags;
  for (const TTagEntry& e : info->tags())
    if (!tags.contains(e.name)) tags[e.name] = e.data;
  o["tags"] = tags;
  QJsonObject maker;
  for (const TTagEntry& e : info->makerTags())
    if (!maker.contains(e.name)) maker[e.name] = e.data;
  if (!maker.isEmpty()) o["makerNotes"] = maker;
  if (img.hasThumbnail()) {
    img.readThumbnail();
    QJsonObject thumb;
    for (const TTagEntry& e : info->thumbnailTags())
      if (!thumb.contains(e.name)) thumb[e.name] = e.data;
    o["thumbnail"] = thumb;
  }
  QJsonObject cap;
  cap["make"] = info->cameraMake;
  cap["model"] = info->cameraModel;
  cap["pictureDate"] = info->dateTime;
  cap["exifVersion"] = info->exifVersion;
  cap["width"] = info->width;
  cap["height"] = info->height;
  cap["flash"] = info->flashUsed;
  cap["userComment"] = info->comments;
  cap["thumbnailStart"] = double(info->thumbStart);
  cap["thumbnailLength"] = double(info->thumbLength);
  cap["thumbnailCompression"] = info->thumbCompression;
  cap["hasMakerNotes"] = info->hasMakerNotes;
  o["captured"] = cap;
  return o;
}

}  // namespace vantorim::fileinfo
