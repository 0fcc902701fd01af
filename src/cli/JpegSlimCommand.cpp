// vantorim-cli jpegslim: JPEG files made smaller by removing metadata.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/garbage/JpegTester.h"

#include <QDir>
#include <QFileInfo>

using namespace vantorim::garbage;
namespace support = vantorim::cli::support;

namespace {

int runJpegSlim(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Makes JPEG files smaller. Folders are searched for *.jpg and *.jpeg at any depth.\n"
      "Every change is written beside the file and renamed into place, so a file is\n"
      "never left half-written.");
  parser.addPositionalArgument("FILE", "File or folder (several allowed).", "FILE...");
  const QCommandLineOption app("app", "Remove segments of graphic programs (APP1, APP2, APP12, APP13, APP14).");
  const QCommandLineOption comments("comments", "Remove the first comment segment.");
  const QCommandLineOption trailing("trailing", "Cut the data after the end-of-image marker.");
  const QCommandLineOption copiesTo("copies-to", "Reduce copies in DIR instead of the files themselves.", "DIR");
  const QCommandLineOption workDir("work-dir", "Folder of the scratch file (default: the program's working directory).", "DIR");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({app, comments, trailing, copiesTo, workDir, json});
  if (auto rc = support::parseArguments(parser, "jpegslim", args)) return *rc;
  if (!parser.isSet(app) && !parser.isSet(comments) && !parser.isSet(trailing)) {
    vantorim::cli::err() << "vantorim-cli jpegslim: choose what to remove: --app, --comments or --trailing\n";
    return 2;
  }
  if (!support::existingPaths(parser.positionalArguments(), "jpegslim")) return 2;
  JpegReduceOptions o;
  o.applicationSegments = parser.isSet(app);
  o.comments = parser.isSet(comments);
  o.trailingData = parser.isSet(trailing);
  o.reduceCopies = parser.isSet(copiesTo);
  if (o.reduceCopies) o.targetFolder = QDir::cleanPath(QFileInfo(parser.value(copiesTo)).absoluteFilePath());
  o.workingDirectory = parser.isSet(workDir) ? parser.value(workDir) : support::storedChoices().workingDirectory;
  const JpegReduceResult r = ReduceJpegFiles(collectJpegFiles(parser.positionalArguments()), o);
  if (r.refusal == JpegReduceResult::Refusal::NoScratchFile) {
    support::printProblems(r.problems);
    return 2;
  }
  if (parser.isSet(json)) {
    QJsonArray files;
    for (const auto& [path, saved] : r.reduced)
      files.append(QJsonObject{{"path", path}, {"saved", double(saved)}});
    support::printJson({{"files", files}, {"savings", double(r.savings)},
                        {"problems", support::problemsToJson(r.problems)}});
  } else {
    for (const auto& [path, saved] : r.reduced) vantorim::cli::out() << saved << '\t' << path << '\n';
    support::printProblems(r.problems);
    vantorim::cli::err() << r.done << " files, " << r.savings << " bytes saved\n";
  }
  return r.problems.empty() ? 0 : 2;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"jpegslim", "make JPEG files smaller by removing metadata and trailing data", &runJpegSlim});

}  // namespace
