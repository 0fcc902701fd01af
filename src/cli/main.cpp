// vantorim-cli: the engines of Vantorim Steerhall from the command line.

#include "CommandRegistry.h"

#include <QCoreApplication>

using namespace vantorim::cli;

namespace {

void printHelp() {
  out() << "Usage: vantorim-cli <command> [options]\n"
           "       vantorim-cli --help | --version\n\n"
           "Commands:\n";
  for (const auto& c : commands()) out() << "  " << c.name.leftJustified(16) << c.summary << '\n';
  out() << "\n'vantorim-cli <command> --help' describes a command.\n";
  out().flush();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("vantorim-cli");
  QCoreApplication::setApplicationVersion(VANTORIM_VERSION);
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
    printHelp();
    return args.isEmpty() ? 2 : 0;
  }
  if (args.first() == "--version") {
    out() << "vantorim-cli " << VANTORIM_VERSION << '\n';
    return 0;
  }
  const QString name = args.takeFirst();
  for (const auto& c : commands()) {
    if (c.name == name) {
      const int rc = c.run(args);
      out().flush();
      err().flush();
      return rc;
    }
  }
  err() << "vantorim-cli: unknown command '" << name << "'; see --help\n";
  return 2;
}
