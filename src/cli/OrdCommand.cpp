// vantorim-cli ord: the folder tree kept in a folder-tree file.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/formats/FolderTree.h"

#include <functional>

using namespace vantorim::formats;
namespace support = vantorim::cli::support;

namespace {

QJsonArray childrenToJson(const FolderNode& node) {
  QJsonArray a;
  for (const auto& c : node.children) {
    QJsonObject o{{"name", c->name}};
    if (!c->children.empty()) o["children"] = childrenToJson(*c);
    a.append(o);
  }
  return a;
}

int runOrd(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Prints the folder tree of a folder-tree file (*.ord): one line per folder,\n"
      "indented by TABs or spaces, one level each. Reading stops at a line indented\n"
      "more than one level deeper than the line before; the folders read so far are\n"
      "printed and the exit status is 2.");
  parser.addPositionalArgument("FILE", "Folder-tree file.");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOption(json);
  if (auto rc = support::parseArguments(parser, "ord", args)) return *rc;
  if (parser.positionalArguments().size() != 1) {
    vantorim::cli::err() << "vantorim-cli ord: give one folder-tree file; see --help\n";
    return 2;
  }
  FolderTree tree;
  const FolderTreeReadResult r = loadFolderTreeFile(parser.positionalArguments().first(), tree);
  if (parser.isSet(json)) {
    QJsonObject o{{"tree", childrenToJson(tree.root())}, {"ok", r.ok}};
    if (!r.ok) o["error"] = r.error;
    support::printJson(o);
  } else {
    for (const FolderNode* n : tree.preOrder())
      vantorim::cli::out() << QString(2 * n->depth(), u' ') << n->name << '\n';
  }
  if (!r.ok) {
    vantorim::cli::err() << "vantorim-cli ord: " << r.error << '\n';
    return 2;
  }
  return 0;
}

[[maybe_unused]] const bool registered =
    vantorim::cli::registerCommand({"ord", "print the folder tree of a folder-tree file", &runOrd});

}  // namespace
