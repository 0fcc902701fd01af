// vantorim-cli jpegtest: JPEG files without their end-of-image marker.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/garbage/JpegTester.h"

#include <QDir>
#include <QFileInfo>

using namespace vantorim::garbage;
namespace support = vantorim::cli::support;

namespace {

int runJpegTest(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Tests JPEG files: a file is damaged when no end-of-image marker stands in its\n"
      "last quarter. Folders are searched for *.jpg and *.jpeg at any depth. Without\n"
      "--copy-to or --move-to the damaged files are only listed.");
  parser.addPositionalArgument("PATH", "File or folder (several allowed).", "PATH...");
  const QCommandLineOption copyTo("copy-to", "Copy damaged files into DIR/Defekt (or DIR/Invalid).", "DIR");
  const QCommandLineOption moveTo("move-to", "Move damaged files there; --undo moves them back.", "DIR");
  const QCommandLineOption undo("undo", "Move the files of the last move back.");
  const QCommandLineOption english("english", "Name the folder and files \"Invalid\" instead of \"Defekt\" (default: the program's language).");
  const QCommandLineOption german("german", "Name the folder and files \"Defekt\".");
  const QCommandLineOption workDir("work-dir", "Folder of the undo record (default: the program's working directory).", "DIR");
  const QCommandLineOption log("log", "File name of the undo record (default: the program's log file name).", "NAME");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({copyTo, moveTo, undo, english, german, workDir, log, json});
  if (auto rc = support::parseArguments(parser, "jpegtest", args)) return *rc;
  const support::StoredChoices stored = support::storedChoices();
  const QString work = parser.isSet(workDir) ? parser.value(workDir) : stored.workingDirectory;
  const QString record = parser.isSet(log) ? parser.value(log) : stored.protocolFile;
  const bool inEnglish = parser.isSet(english) || (stored.english && !parser.isSet(german));

  if (parser.isSet(undo)) {
    const UndoMoveResult u = UndoMove(work, record);
    if (u.recordMissing) {
      vantorim::cli::err() << "vantorim-cli jpegtest: no undo record in " << work << '\n';
      return 2;
    }
    if (parser.isSet(json)) {
      support::printJson({{"restored", QJsonArray::fromStringList(u.restored)},
                          {"failed", support::problemsToJson(u.failed)}});
    } else {
      for (const QString& p : u.restored) vantorim::cli::out() << p << '\n';
      support::printProblems(u.failed);
    }
    return u.failed.empty() ? 0 : 2;
  }
  if (parser.isSet(copyTo) && parser.isSet(moveTo)) {
    vantorim::cli::err() << "vantorim-cli jpegtest: give --copy-to or --move-to, not both\n";
    return 2;
  }
  if (!support::existingPaths(parser.positionalArguments(), "jpegtest")) return 2;
  const QStringList files = collectJpegFiles(parser.positionalArguments());
  const bool acting = parser.isSet(copyTo) || parser.isSet(moveTo);

  JpegTestResult result;
  if (acting) {
    JpegTestOptions o;
    o.mode = parser.isSet(moveTo) ? JpegTestOptions::Mode::Move : JpegTestOptions::Mode::Copy;
    o.targetFolder = QDir::cleanPath(QFileInfo(parser.value(parser.isSet(moveTo) ? moveTo : copyTo)).absoluteFilePath());
    o.workingDirectory = work;
    o.protocolFile = record;
    o.language = inEnglish ? vantorim::app::lgEnglish : vantorim::app::lgGerman;
    result = TestJpegFiles(files, o);
  } else {
    for (const QString& f : files) {
      ++result.tested;
      if (!IsJpegComplete(f)) result.damaged.emplace_back(f, QString());
    }
  }

  if (parser.isSet(json)) {
    QJsonArray damaged;
    for (const auto& [from, to] : result.damaged)
      damaged.append(acting ? QJsonValue(QJsonObject{{"path", from}, {"target", to}}) : QJsonValue(from));
    QJsonObject o{{"tested", double(result.tested)}, {"damaged", damaged},
                  {"problems", support::problemsToJson(result.problems)}};
    if (acting) {
      o["damagedFolder"] = result.damagedFolder;
      o["undoPossible"] = result.undoPossible;
      if (!result.undoRecordError.isEmpty()) o["undoRecordError"] = result.undoRecordError;
    }
    support::printJson(o);
  } else {
    for (const auto& [from, to] : result.damaged)
      vantorim::cli::out() << from << (to.isEmpty() ? QString() : " -> " + to) << '\n';
    support::printProblems(result.problems);
    vantorim::cli::err() << result.tested << " files tested, " << result.damaged.size() << " damaged\n";
    if (!result.undoRecordError.isEmpty())
      vantorim::cli::err() << "the undo record could not be written (" << result.undoRecordError
                           << "); this move cannot be undone\n";
  }
  if (!result.undoRecordError.isEmpty()) return 2;
  return result.damaged.empty() ? 1 : 0;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"jpegtest", "find damaged JPEG files, copy or move them aside, undo the move", &runJpegTest});

}  // namespace
