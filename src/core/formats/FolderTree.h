#pragma once
// A tree of folder names and its folder-tree file (".ord"): one line per
// node in pre-order, as many TABs as the node's depth, then the name, CR LF.

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

namespace vantorim::formats {

struct FolderNode {
  QString name;
  FolderNode* parent = nullptr;
  std::vector<std::unique_ptr<FolderNode>> children;

  FolderNode* addChild(const QString& childName);
  int depth() const;
  // The names from the top-level ancestor down to this node, joined with '/'.
  QString path() const;
  // The child with exactly this name (case-sensitive), or null.
  FolderNode* child(const QString& childName) const;
};

class FolderTree {
public:
  // The invisible root; its children are the top-level nodes.
  FolderNode& root() { return m_root; }
  const FolderNode& root() const { return m_root; }
  bool isEmpty() const { return m_root.children.empty(); }
  void clear() { m_root.children.clear(); }
  // Removes a node with its subtree.
  void remove(FolderNode* node);
  // Siblings in alphabetical order, letters first and case only separating
  // otherwise equal names (locale-aware, case-sensitive).
  void sort();
  // Every node in pre-order.
  std::vector<const FolderNode*> preOrder() const;
  int nodeCount() const { return int(preOrder().size()); }

private:
  FolderNode m_root;
};

struct FolderTreeReadResult {
  bool ok = true;
  QString error;
  int errorLine = 0;  // 1-based line of an invalid level
};

// The file's bytes: UTF-8 without byte-order mark, CR LF line ends; an empty
// tree gives no bytes.
QByteArray writeFolderTree(const FolderTree& tree);
// Reads into `tree` (which is cleared first). On an invalid level the nodes
// read so far stay and the result names the line.
FolderTreeReadResult readFolderTree(const QByteArray& bytes, FolderTree& tree);

bool saveFolderTreeFile(const QString& path, const FolderTree& tree, QString& error);
FolderTreeReadResult loadFolderTreeFile(const QString& path, FolderTree& tree);

}  // namespace vantorim::formats
