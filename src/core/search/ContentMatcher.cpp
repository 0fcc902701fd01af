#include "core/search/ContentMatcher.h"

#include "core/platform/FileAccess.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace vantorim::search {

namespace {

inline bool isWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
}

// Branch-free so the compiler vectorises it.
inline void foldAscii(char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    p[i] = char(c + (((unsigned char)(c - 'A') < 26u) << 5));
  }
}

}  // namespace

ContentMatcher::ContentMatcher(const QString& phrase, bool ignoreCase, bool wholeWord, std::size_t blockSize)
    : m_phrase(phrase.toUtf8()), m_ignoreCase(ignoreCase), m_wholeWord(wholeWord),
      m_blockSize(blockSize < 1 ? 1 : blockSize) {
  if (m_ignoreCase) foldAscii(m_phrase.data(), std::size_t(m_phrase.size()));
}

template <typename Read>
bool ContentMatcher::scan(Read&& read) const {
  const std::size_t len = std::size_t(m_phrase.size());
  if (len == 0) return true;
  const char* needle = m_phrase.constData();
  const std::size_t block = std::max(m_blockSize, len + 1);
  // The window holds the carried tail of the previous block (the phrase length plus the
  // byte before it) followed by the new block.
  thread_local std::vector<char> storage;
  storage.resize(block + len + 1);
  char* buf = storage.data();
  std::size_t have = 0;       // bytes in the window
  bool contextByte = false;   // buf[0] is only the byte before a possible match
  for (;;) {
    const long n = read(buf + have, block);
    if (n < 0) return false;
    const bool eof = n == 0;
    if (m_ignoreCase && n > 0) foldAscii(buf + have, std::size_t(n));
    have += std::size_t(n);
    if (eof && !m_wholeWord) return false;  // the carried tail was searched already
    std::size_t from = contextByte ? 1 : 0;
    while (have >= len && from + len <= have) {
      const void* hit = memmem(buf + from, have - from, needle, len);
      if (!hit) break;
      const std::size_t pos = std::size_t(static_cast<const char*>(hit) - buf);
      if (!m_wholeWord) return true;
      const bool beforeOk = pos == 0 ? !contextByte || !isWordByte(static_cast<unsigned char>(buf[0]))
                                     : !isWordByte(static_cast<unsigned char>(buf[pos - 1]));
      if (pos + len == have && !eof) break;  // the byte after it comes with the next block
      const bool afterOk = pos + len == have || !isWordByte(static_cast<unsigned char>(buf[pos + len]));
      if (beforeOk && afterOk) return true;
      from = pos + 1;
    }
    if (eof) return false;
    // Keep the last len bytes (a match may still be completed) and the byte before them.
    const std::size_t keep = std::min(have, len + 1);
    if (keep < have) {
      std::memmove(buf, buf + have - keep, keep);
      contextByte = keep == len + 1;
    }
    // When everything was kept the first byte's role is unchanged.
    have = keep;
  }
}

bool ContentMatcher::matchesStream(const std::function<long(char*, std::size_t)>& read) const {
  return scan(read);
}

bool ContentMatcher::matchesFileAt(int dirFd, const char* name) const {
  if (m_phrase.isEmpty()) return true;
  platform::ReadOnlyFile file;
  if (!file.openAt(dirFd, name)) return false;
  return scan([&file](char* b, std::size_t n) { return file.readSome(b, n); });
}

bool ContentMatcher::matchesFile(const QString& path) const {
  return matchesFileAt(platform::workingFolderFd(), QFile::encodeName(path).constData());
}

}  // namespace vantorim::search
