#pragma once
// Pieces shared by the subcommands: argument parsing with --help, the stored
// settings they follow, path checks and JSON output.

#include "core/garbage/RunControl.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <optional>
#include <vector>

namespace vantorim::cli::support {

// Parses `args` of subcommand `name`; on --help prints the help and returns 0,
// on a bad option prints the reason and returns 2; empty when the command
// should run.
std::optional<int> parseArguments(QCommandLineParser& parser, const QString& name,
                                  const QStringList& args);

// What the program's settings give: the working directory (folder of the undo
// record and the scratch file), the file name of the undo record, and whether
// texts are English.
struct StoredChoices {
  QString workingDirectory;  // with a trailing '/'
  QString protocolFile;
  bool english = false;
  QString protocolPath() const { return workingDirectory + protocolFile; }
};
StoredChoices storedChoices();

// Absolute, clean paths of existing folders; prints the first one that is
// not a folder and returns empty.
std::optional<QStringList> existingFolders(const QStringList& paths);

// At least one path, each existing; otherwise prints why and returns false.
bool existingPaths(const QStringList& paths, const QString& name);

QJsonArray problemsToJson(const std::vector<vantorim::garbage::ItemProblem>& problems);
void printProblems(const std::vector<vantorim::garbage::ItemProblem>& problems);
void printJson(const QJsonObject& object);

}  // namespace vantorim::cli::support
