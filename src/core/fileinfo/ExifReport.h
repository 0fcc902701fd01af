#pragma once
// The EXIF text of a picture as the JPEG information page shows it, and a
// machine-readable form of the same readings.

#include "core/fileinfo/ImgData.h"

#include <QJsonObject>

namespace vantorim::fileinfo {

// Reads `path` into `img` (verbose as asked) and returns the page's lines.
QStringList exifReportLines(TImgData& img, const QString& path, bool verbose);

// Every tag as name -> value text, plus the captured values (after a read).
QJsonObject exifReportJson(TImgData& img);

}  // namespace vantorim::fileinfo
