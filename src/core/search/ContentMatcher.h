#pragma once
// Finds a fixed phrase in a file, streaming it in blocks.
//
// The phrase is searched as UTF-8 bytes. With ignoreCase the letters A to Z match
// their lower-case forms (both the phrase and the file bytes are folded). With
// wholeWord the bytes before and after a match must not be letters or digits (bytes
// of multi-byte characters count as letters); the start and the end of the file are
// delimiters. Matches across block boundaries are found. Only regular files are read;
// a read error counts as no match.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

namespace vantorim::search {

class ContentMatcher {
public:
  static constexpr std::size_t kDefaultBlockSize = 256 * 1024;

  ContentMatcher() = default;
  ContentMatcher(const QString& phrase, bool ignoreCase, bool wholeWord,
                 std::size_t blockSize = kDefaultBlockSize);

  bool isEmpty() const { return m_phrase.isEmpty(); }
  const QByteArray& phrase() const { return m_phrase; }

  // The regular file `name` in the open folder `dirFd` (links are not followed).
  bool matchesFileAt(int dirFd, const char* name) const;
  bool matchesFile(const QString& path) const;

  // Reads blocks from `read` (returns bytes read, 0 at the end, -1 on error).
  bool matchesStream(const std::function<long(char* buffer, std::size_t size)>& read) const;

private:
  template <typename Read>
  bool scan(Read&& read) const;

  QByteArray m_phrase;  // folded when m_ignoreCase
  bool m_ignoreCase = true;
  bool m_wholeWord = false;
  std::size_t m_blockSize = kDefaultBlockSize;
};

}  // namespace vantorim::search
