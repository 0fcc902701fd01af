// vantorim-cli bmp: the header values and palette of a Windows bitmap file.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/formats/BitmapInfo.h"

using namespace vantorim::formats;
namespace support = vantorim::cli::support;

namespace {

int runBmp(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Shows size, bit depth, maximum number of colours, image size, header version\n"
      "and resolution of a Windows bitmap file, and its colour palette.");
  parser.addPositionalArgument("FILE", "Bitmap file.");
  const QCommandLineOption json("json", "Print the result as JSON.");
  const QCommandLineOption palette("palette", "Also list the palette entries.");
  parser.addOptions({json, palette});
  if (auto rc = support::parseArguments(parser, "bmp", args)) return *rc;
  if (parser.positionalArguments().size() != 1) {
    vantorim::cli::err() << "vantorim-cli bmp: give one bitmap file; see --help\n";
    return 2;
  }
  const QString path = parser.positionalArguments().first();
  BitmapInfoResult r;
  QString error;
  if (!readBitmapInfoFile(path, r, error)) {
    vantorim::cli::err() << "vantorim-cli bmp: " << error << '\n';
    return 2;
  }
  const BitmapHeader& h = r.header;
  if (h.type != 0x4D42) vantorim::cli::err() << "vantorim-cli bmp: warning: " << path << " does not begin with BM\n";
  if (parser.isSet(json)) {
    QJsonArray entries;
    for (const auto& e : r.palette) entries.append(QJsonArray{e.red, e.green, e.blue});
    support::printJson({{"file", path},
                        {"width", h.width},
                        {"height", h.height},
                        {"bitsPerPixel", h.bitsPerPixel},
                        {"maxColors", h.maxColorsText()},
                        {"imageSize", double(h.imageSize)},
                        {"headerSize", double(h.headerSize)},
                        {"headerVersion", h.headerVersionText().trimmed()},
                        {"horizontalResolution", h.xPixelsPerMeter},
                        {"verticalResolution", h.yPixelsPerMeter},
                        {"compression", double(h.compression)},
                        {"truncated", h.truncated},
                        {"palette", entries}});
    return 0;
  }
  auto& o = vantorim::cli::out();
  o << path << '\n'
    << "  Width:                 " << h.width << '\n'
    << "  Height:                " << h.height << '\n'
    << "  Bits Per Pixel:        " << h.bitsPerPixel << '\n'
    << "  Max. Number Of Colors: " << h.maxColorsText() << '\n'
    << "  Bitmap Size [Byte]:    " << h.imageSize << '\n'
    << "  Bitmap Header Version: " << h.headerVersionText() << "(header of " << h.headerSize << " bytes)\n"
    << "  Horizontal:            " << h.xPixelsPerMeter << " pixels per metre\n"
    << "  Vertical:              " << h.yPixelsPerMeter << " pixels per metre\n"
    << "  Palette entries:       " << r.palette.size() << '\n';
  if (h.truncated) o << "  (the file is shorter than its headers; missing values read as 0)\n";
  if (parser.isSet(palette))
    for (size_t i = 0; i < r.palette.size(); ++i)
      o << "  " << i << ": R: " << r.palette[i].red << "  G: " << r.palette[i].green << "  B: " << r.palette[i].blue
        << '\n';
  return 0;
}

[[maybe_unused]] const bool registered =
    vantorim::cli::registerCommand({"bmp", "show the header values and palette of a bitmap file", &runBmp});

}  // namespace
