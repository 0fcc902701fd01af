#include "CommandRegistry.h"

#include <algorithm>
#include <cstdio>

namespace vantorim::cli {

namespace {
std::vector<Command>& registry() {
  static std::vector<Command> list;
  return list;
}
}  // namespace

bool registerCommand(Command command) {
  auto& list = registry();
  const auto pos = std::lower_bound(list.begin(), list.end(), command.name,
                                    [](const Command& c, const QString& n) { return c.name < n; });
  list.insert(pos, std::move(command));
  return true;
}

const std::vector<Command>& commands() { return registry(); }

QTextStream& out() {
  static QTextStream stream(stdout);
  return stream;
}

QTextStream& err() {
  static QTextStream stream(stderr);
  return stream;
}

}  // namespace vantorim::cli
