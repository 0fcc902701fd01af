#pragma once
// Subcommands of vantorim-cli. Each subcommand file registers itself:
//
//   static const bool registered = vantorim::cli::registerCommand(
//       {"find", "search files by name, place, time, size and content", &runFind});
//
// The run function gets the arguments after the subcommand name and returns
// the exit status.

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace vantorim::cli {

struct Command {
  QString name;
  QString summary;
  std::function<int(const QStringList& args)> run;
};

bool registerCommand(Command command);
const std::vector<Command>& commands();

// Standard output and error as UTF-8 text streams.
QTextStream& out();
QTextStream& err();

}  // namespace vantorim::cli
