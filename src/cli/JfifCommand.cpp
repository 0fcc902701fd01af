// vantorim-cli jfif: the JFIF header values of a JPEG file.

#include "CommandRegistry.h"

#include "core/fileinfo/JpegHeader.h"

#include <QFileInfo>

namespace vantorim::cli {
namespace {

int runJfif(const QStringList& args) {
  QStringList files;
  for (const QString& a : args) {
    if (a == "--help" || a == "-h") {
      out() << "Usage: vantorim-cli jfif FILE...\n"
               "Prints the JFIF header values of JPEG files: size, markers, frame size, density,\n"
               "thumbnail size, APP13 identifier and comment. Files that do not start with SOI\n"
               "and APP0 show zeros and empty texts. Exit status: 0, 1 no JFIF header, 2 on error.\n";
      return 0;
    }
    if (a.startsWith("--")) {
      err() << "jfif: unknown option " << a << "\n";
      return 2;
    }
    files << a;
  }
  if (files.isEmpty()) {
    err() << "jfif: no file given; see --help\n";
    return 2;
  }
  bool any = false;
  for (const QString& f : files) {
    if (!QFileInfo(f).isFile()) {
      err() << "jfif: cannot read " << f << "\n";
      return 2;
    }
    fileinfo::TJPEGHeader h;
    h.setFilename(f);
    any = any || h.marker(0xE0).found;
    out() << "File: " << f << '\n'
          << "File size: " << h.fileSize << '\n'
          << "Width: " << h.imageWidth << '\n'
          << "Height: " << h.imageHeight << '\n'
          << "Number of components: " << h.components << '\n'
          << "JFIF version: " << h.jfifVersion << '\n'
          << "Resolution [" << h.densityUnit << "]: " << h.densityX << " x " << h.densityY << '\n'
          << "Thumbnail size: " << h.thumbnailWidth << " x " << h.thumbnailHeight << '\n'
          << "APP13 identifier: " << h.app13Identifier << " (" << h.app13Length << ")\n"
          << "Comment: " << h.comment << '\n';
    for (int m : fileinfo::TJPEGHeader::kMarkers) {
      const auto mk = h.marker(m);
      if (mk.found)
        out() << "Marker " << QStringLiteral("%1").arg(m, 2, 16, QChar('0')).toUpper() << ": position "
              << mk.position << ", length " << mk.length << '\n';
    }
  }
  return any ? 0 : 1;
}

const bool registered = registerCommand({"jfif", "JFIF header values of JPEG files", &runJfif});

}  // namespace
}  // namespace vantorim::cli
