// Fuzzes the folder-tree file reader: whatever it reads must write out and
// read back into the same tree.

#include "core/formats/FolderTree.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  vantorim::formats::FolderTree tree;
  vantorim::formats::readFolderTree(bytes, tree);
  const QByteArray written = vantorim::formats::writeFolderTree(tree);
  vantorim::formats::FolderTree back;
  const auto r = vantorim::formats::readFolderTree(written, back);
  if (!r.ok || vantorim::formats::writeFolderTree(back) != written) std::abort();
  return 0;
}
