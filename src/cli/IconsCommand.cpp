// vantorim-cli icons: the icons of programs, libraries and icon files,
// optionally saved as icon or bitmap files numbered from 0.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/formats/IconReader.h"
#include "core/formats/IconWriter.h"

#include <QDir>

using namespace vantorim::formats;
namespace support = vantorim::cli::support;

namespace {

constexpr int kMaxIcons = 4096;

int runIcons(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Lists the icons of Windows programs and libraries (*.exe, *.dll, PE32 and PE32+)\n"
      "and of icon files: per icon the image the 32 x 32 large icon shows. With --ico\n"
      "or --bmp all icons are saved into DIR as 0.ico, 1.ico, ... (each icon takes the\n"
      "first free number counting up from its own position). At most 4096 icons.");
  parser.addPositionalArgument("FILE", "Program, library or icon file (several allowed).", "FILE...");
  const QCommandLineOption ico("ico", "Save every icon as an icon file into DIR.", "DIR");
  const QCommandLineOption bmp("bmp", "Save every icon as a bitmap file into DIR.", "DIR");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({ico, bmp, json});
  if (auto rc = support::parseArguments(parser, "icons", args)) return *rc;
  if (parser.isSet(ico) && parser.isSet(bmp)) {
    vantorim::cli::err() << "vantorim-cli icons: give --ico or --bmp, not both\n";
    return 2;
  }
  if (!support::existingPaths(parser.positionalArguments(), "icons")) return 2;
  const bool saving = parser.isSet(ico) || parser.isSet(bmp);
  const QString target = saving ? QDir::cleanPath(parser.value(parser.isSet(ico) ? ico : bmp)) : QString();
  if (saving && !QDir().mkpath(target)) {
    vantorim::cli::err() << "vantorim-cli icons: cannot create the folder " << target << '\n';
    return 2;
  }

  int total = 0;
  int failures = 0;
  QJsonArray files;
  for (const QString& path : parser.positionalArguments()) {
    if (total >= kMaxIcons) break;
    IconReadResult r = readIconsFromFile(path);
    QJsonArray icons;
    if (!r.error.isEmpty()) vantorim::cli::err() << "vantorim-cli icons: " << path << ": " << r.error << '\n';
    if (!parser.isSet(json)) vantorim::cli::out() << path << ": " << r.icons.size() << " icons\n";
    for (const ExtractedIcon& icon : r.icons) {
      if (total >= kMaxIcons) break;
      QString saved, error;
      if (saving) {
        saved = firstFreeNumberedPath(target, total, parser.isSet(ico) ? "ico" : "bmp");
        const bool ok = parser.isSet(ico) ? writeIconFile(saved, icon.image, error)
                                          : writeBitmapFile(saved, icon.image, error);
        if (!ok) {
          vantorim::cli::err() << "vantorim-cli icons: " << error << '\n';
          ++failures;
          saved.clear();
        }
      }
      ++total;
      const QString size = QStringLiteral("%1x%2").arg(icon.image.width).arg(icon.image.height);
      if (parser.isSet(json)) {
        QJsonObject o{{"index", icon.index},
                      {"size", size},
                      {"bitsPerPixel", icon.image.sourceBitsPerPixel},
                      {"images", QJsonArray::fromStringList(QStringList(icon.groupImages.begin(), icon.groupImages.end()))}};
        if (!icon.resourceName.isEmpty()) o["resource"] = icon.resourceName;
        if (!saved.isEmpty()) o["saved"] = saved;
        icons.append(o);
      } else {
        auto& o = vantorim::cli::out();
        o << "  " << icon.index << ": " << size << " @" << icon.image.sourceBitsPerPixel << " bits";
        if (!icon.resourceName.isEmpty()) o << " (" << icon.resourceName << ')';
        if (!saved.isEmpty()) o << " -> " << saved;
        o << '\n';
      }
    }
    if (r.skipped && !parser.isSet(json))
      vantorim::cli::out() << "  " << r.skipped << " icons could not be read\n";
    if (parser.isSet(json))
      files.append(QJsonObject{{"file", path}, {"icons", icons}, {"skipped", r.skipped}, {"error", r.error}});
  }
  if (parser.isSet(json)) support::printJson({{"files", files}, {"count", total}});
  if (failures) return 2;
  return total == 0 ? 1 : 0;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"icons", "list the icons of programs, libraries and icon files, save them as .ico or .bmp", &runIcons});

}  // namespace
