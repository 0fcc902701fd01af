// vantorim-cli exif: the EXIF text or the tags as JSON of pictures.

#include "CommandRegistry.h"

#include "core/fileinfo/ExifReport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace vantorim::cli {
namespace {

int runExif(const QStringList& args) {
  bool verbose = false, json = false;
  QStringList files;
  for (const QString& a : args) {
    if (a == "--help" || a == "-h") {
      out() << "Usage: vantorim-cli exif [--verbose] [--json] FILE...\n"
               "Prints the EXIF data of JPEG and TIFF pictures (.jpg, .jpeg, .jpe, .tif, .tiff, .nef):\n"
               "the directory trace, maker notes, thumbnail, comment, IPTC text and both summaries.\n"
               "  --verbose  trace with tag numbers, sizes and offsets, and the section list\n"
               "  --json     per file every tag as name -> value text plus the captured values\n"
               "Exit status: 0 when a file had metadata, 1 when none had, 2 on error.\n";
      return 0;
    }
    if (a == "--verbose") verbose = true;
    else if (a == "--json") json = true;
    else if (a.startsWith("--")) {
      err() << "exif: unknown option " << a << "\n";
      return 2;
    } else files << a;
  }
  if (files.isEmpty()) {
    err() << "exif: no file given; see --help\n";
    return 2;
  }
  bool any = false, failed = false;
  QJsonArray array;
  for (const QString& f : files) {
    if (!QFileInfo(f).isFile()) {
      err() << "exif: cannot read " << f << "\n";
      failed = true;
      continue;
    }
    fileinfo::TImgData img;
    if (json) {
      img.setVerbose(verbose);
      img.readFile(f);
      array.append(fileinfo::exifReportJson(img));
    } else {
      for (const QString& line : fileinfo::exifReportLines(img, f, verbose)) out() << line << '\n';
    }
    any = any || img.hasMetadata() || img.exifInfo();
  }
  if (json) out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
  return failed ? 2 : any ? 0 : 1;
}

const bool registered = registerCommand(
    {"exif", "EXIF data, maker notes and summaries of JPEG and TIFF pictures", &runExif});

}  // namespace
}  // namespace vantorim::cli
