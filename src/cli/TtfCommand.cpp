// vantorim-cli ttf: the names of TrueType font files.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/formats/TTFInfo.h"

using vantorim::formats::TTTFInfo;
namespace support = vantorim::cli::support;

namespace {

int runTtf(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Shows copyright, family, style and full name of TrueType font files (*.ttf).\n"
      "The full name holds only characters a file name can hold, at most 80.");
  parser.addPositionalArgument("FILE", "Font file (several allowed).", "FILE...");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOption(json);
  if (auto rc = support::parseArguments(parser, "ttf", args)) return *rc;
  if (!support::existingPaths(parser.positionalArguments(), "ttf")) return 2;
  int rc = 0;
  bool anyName = false;
  QJsonArray results;
  for (const QString& path : parser.positionalArguments()) {
    TTTFInfo info;
    if (!info.setFilename(path)) {
      vantorim::cli::err() << "vantorim-cli ttf: " << info.error() << '\n';
      rc = 2;
      continue;
    }
    anyName = anyName || !info.fullName().isEmpty();
    if (parser.isSet(json)) {
      results.append(QJsonObject{{"file", path},
                                 {"copyright", info.copyright()},
                                 {"family", info.familyName()},
                                 {"style", info.styleName()},
                                 {"fullName", info.fullName()}});
      continue;
    }
    vantorim::cli::out() << path << '\n'
                         << "  Copyright:     " << info.copyright() << '\n'
                         << "  Name:          " << info.familyName() << '\n'
                         << "  Name Of Style: " << info.styleName() << '\n'
                         << "  Complete Name: " << info.fullName() << '\n';
  }
  if (parser.isSet(json)) support::printJson({{"files", results}});
  if (rc == 0 && !anyName) return 1;
  return rc;
}

[[maybe_unused]] const bool registered =
    vantorim::cli::registerCommand({"ttf", "show the names of TrueType font files", &runTtf});

}  // namespace
