// vantorim-cli empty-folders: folders holding nothing but empty files and folders.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/garbage/EmptyFolders.h"
#include "core/garbage/FileGathering.h"

using namespace vantorim::garbage;
namespace support = vantorim::cli::support;

namespace {

int runEmptyFolders(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Lists the folders below the given folders whose files all have size 0\n"
      "(at any depth); the given folders themselves are never listed.");
  parser.addPositionalArgument("ROOT", "Folder to search (several allowed).", "ROOT...");
  const QCommandLineOption trash("trash", "Move the empty folders to the trash, deepest first.");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({trash, json});
  if (auto rc = support::parseArguments(parser, "empty-folders", args)) return *rc;
  if (parser.positionalArguments().isEmpty()) {
    vantorim::cli::err() << "vantorim-cli empty-folders: give at least one folder; see --help\n";
    return 2;
  }
  const auto folders = support::existingFolders(parser.positionalArguments());
  if (!folders) return 2;

  const EmptyFolderScan scan = findEmptyFolders(chooseSearchRoots(*folders));
  EmptyFolderDeletion deletion;
  if (parser.isSet(trash)) deletion = deleteEmptyFolders(scan.folders);

  if (parser.isSet(json)) {
    QJsonObject o{{"foldersTested", double(scan.foldersTested)},
                  {"emptyFolders", QJsonArray::fromStringList(scan.folders)}};
    if (parser.isSet(trash)) {
      o["trashed"] = QJsonArray::fromStringList(deletion.trashed);
      o["skipped"] = support::problemsToJson(deletion.skipped);
    }
    support::printJson(o);
  } else {
    for (const QString& f : scan.folders) vantorim::cli::out() << f << '\n';
    for (const QString& p : deletion.trashed) vantorim::cli::err() << "trashed: " << p << '\n';
    support::printProblems(deletion.skipped);
    vantorim::cli::err() << scan.foldersTested << " folders tested, " << scan.folders.size()
                         << " empty\n";
  }
  return scan.folders.isEmpty() ? 1 : 0;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"empty-folders", "find folders without data, optionally trash them", &runEmptyFolders});

}  // namespace
