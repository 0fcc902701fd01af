// vantorim-cli dupes: files of identical content below the given folders.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/garbage/DuplicateFinder.h"
#include "core/garbage/FileGathering.h"

using namespace vantorim::garbage;
namespace support = vantorim::cli::support;

namespace {

int runDupes(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Finds files of identical content below the folders and prints them in groups,\n"
      "separated by an empty line; the first file of each group is the one kept.");
  parser.addPositionalArgument("ROOT", "Folder to search (several allowed).", "ROOT...");
  const QCommandLineOption mask("mask", "File-name masks, separated by ';' or '|' (default *).", "MASKS", "*");
  const QCommandLineOption trash("trash-copies",
                                 "Move every file but the first of each group to the trash, each "
                                 "checked to be unchanged since the comparison.");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({mask, trash, json});
  if (auto rc = support::parseArguments(parser, "dupes", args)) return *rc;
  if (parser.positionalArguments().isEmpty()) {
    vantorim::cli::err() << "vantorim-cli dupes: give at least one folder; see --help\n";
    return 2;
  }
  const auto folders = support::existingFolders(parser.positionalArguments());
  if (!folders) return 2;

  DuplicateSearchResult result =
      searchDuplicates(chooseSearchRoots(*folders), masksFromFilter(parser.value(mask)));
  TrashOutcome trashed;
  if (parser.isSet(trash)) {
    markDuplicatesForDeletion(result.groups);
    trashed = deleteMarkedDuplicates(result.groups);
  }

  if (parser.isSet(json)) {
    QJsonArray groups;
    for (const DuplicateGroup& g : result.groups) {
      QJsonArray files;
      for (const DuplicateEntry& e : g) files.append(e.file.path);
      groups.append(QJsonObject{{"size", double(g.front().file.size)}, {"files", files}});
    }
    QJsonObject o{{"filesFound", double(result.filesFound)},
                  {"candidates", double(result.candidates)},
                  {"duplicates", double(result.duplicates)},
                  {"groups", groups},
                  {"problems", support::problemsToJson(result.problems)}};
    if (parser.isSet(trash)) {
      o["trashed"] = QJsonArray::fromStringList(trashed.trashed);
      o["skipped"] = support::problemsToJson(trashed.skipped);
    }
    support::printJson(o);
  } else {
    bool first = true;
    for (const DuplicateGroup& g : result.groups) {
      if (!first) vantorim::cli::out() << '\n';
      first = false;
      for (const DuplicateEntry& e : g) vantorim::cli::out() << e.file.path << '\n';
    }
    support::printProblems(result.problems);
    for (const QString& p : trashed.trashed) vantorim::cli::err() << "trashed: " << p << '\n';
    support::printProblems(trashed.skipped);
    vantorim::cli::err() << result.filesFound << " files, " << result.candidates
                         << " of a shared size, " << result.duplicates << " duplicates in "
                         << result.groups.size() << " groups\n";
  }
  return result.groups.empty() ? 1 : 0;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"dupes", "find files of identical content, optionally trash the copies", &runDupes});

}  // namespace
