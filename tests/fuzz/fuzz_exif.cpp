// libFuzzer target: JPEG sections and EXIF directories, TIFF blocks, report texts.

#include "core/fileinfo/ExifReport.h"
#include "core/fileinfo/ImgData.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorim::fileinfo;
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  for (bool verbose : {false, true}) {
    TImgData img;
    img.setVerbose(verbose);
    QBuffer buf(&bytes);
    buf.open(QIODevice::ReadOnly);
    if (bytes.startsWith("II") || bytes.startsWith("MM")) img.readTiff(buf);
    else img.readJpeg(buf);
    img.readThumbnail();
    img.longSummary();
    img.shortSummary();
    img.commentText();
    exifReportJson(img);
  }
  return 0;
}
