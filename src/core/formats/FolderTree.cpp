#include "core/formats/FolderTree.h"

#include "core/common/TextFile.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace vantorim::formats {

FolderNode* FolderNode::addChild(const QString& childName) {
  auto node = std::make_unique<FolderNode>();
  node->name = childName;
  node->parent = this;
  children.push_back(std::move(node));
  return children.back().get();
}

int FolderNode::depth() const {
  int d = -1;
  for (const FolderNode* n = parent; n; n = n->parent) ++d;
  return d;
}

QString FolderNode::path() const {
  QStringList parts;
  for (const FolderNode* n = this; n && n->parent; n = n->parent) parts.prepend(n->name);
  return parts.join(u'/');
}

FolderNode* FolderNode::child(const QString& childName) const {
  for (const auto& c : children)
    if (c->name == childName) return c.get();
  return nullptr;
}

void FolderTree::remove(FolderNode* node) {
  if (!node || !node->parent) return;
  auto& siblings = node->parent->children;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                [node](const auto& c) { return c.get() == node; }),
                 siblings.end());
}

void FolderTree::sort() {
  // Letters decide first; case only orders names that are otherwise equal,
  // small letters first. The C locale has no collation, so plain folding is used there.
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const bool plain = QLocale().language() == QLocale::C;
  auto less = [&](const QString& a, const QString& b) {
    int c = plain ? QString::compare(a, b, Qt::CaseInsensitive) : collator.compare(a, b);
    if (c == 0) c = -QString::compare(a, b, Qt::CaseSensitive);
    return c < 0;
  };
  std::function<void(FolderNode&)> sortNode = [&](FolderNode& n) {
    std::stable_sort(n.children.begin(), n.children.end(),
                     [&](const auto& a, const auto& b) { return less(a->name, b->name); });
    for (auto& c : n.children) sortNode(*c);
  };
  sortNode(m_root);
}

std::vector<const FolderNode*> FolderTree::preOrder() const {
  std::vector<const FolderNode*> out;
  // Iterative, so that a very deep tree cannot exhaust the stack.
  std::vector<const FolderNode*> stack;
  for (auto it = m_root.children.rbegin(); it != m_root.children.rend(); ++it) stack.push_back(it->get());
  while (!stack.empty()) {
    const FolderNode* n = stack.back();
    stack.pop_back();
    out.push_back(n);
    for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) stack.push_back(it->get());
  }
  return out;
}

QByteArray writeFolderTree(const FolderTree& tree) {
  QStringList lines;
  for (const FolderNode* n : tree.preOrder()) lines << QString(n->depth(), u'\t') + n->name;
  return common::joinLinesCrLf(lines);
}

FolderTreeReadResult readFolderTree(const QByteArray& bytes, FolderTree& tree) {
  tree.clear();
  FolderTreeReadResult result;
  FolderNode* last = nullptr;
  int lastDepth = 0;
  int lineNo = 0;
  for (const QString& line : common::splitLines(common::decodeText(bytes))) {
    ++lineNo;
    // A byte-order mark inside the text is no part of the indentation or of a
    // folder name; written back at the start of the file it would be taken for
    // the file's own mark.
    QString text = line;
    text.remove(QChar(0xFEFF));
    int depth = 0;
    while (depth < text.size() && (text[depth] == u'\t' || text[depth] == u' ')) ++depth;
    const QString name = text.mid(depth);
    if (!last) {
      last = tree.root().addChild(name);
      lastDepth = 0;
      continue;
    }
    if (depth > lastDepth + 1) {
      result.ok = false;
      result.errorLine = lineNo;
      result.error = QStringLiteral("line %1: invalid level").arg(lineNo);
      return result;
    }
    FolderNode* parent = last;
    for (int d = lastDepth + 1; d > depth; --d) parent = parent->parent;
    last = parent->addChild(name);
    lastDepth = depth;
  }
  return result;
}

bool saveFolderTreeFile(const QString& path, const FolderTree& tree, QString& error) {
  QSaveFile f(path);
  const QByteArray bytes = writeFolderTree(tree);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
    error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
    return false;
  }
  return true;
}

FolderTreeReadResult loadFolderTreeFile(const QString& path, FolderTree& tree) {
  tree.clear();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    FolderTreeReadResult r;
    r.ok = false;
    r.error = QStringLiteral("cannot open %1: %2").arg(path, f.errorString());
    return r;
  }
  return readFolderTree(f.readAll(), tree);
}

}  // namespace vantorim::formats
