// Fuzzes name masks, mask lists and the streaming phrase search. Input: mask, a
// newline, a name, a newline, then file data; the streamed search must agree with a
// search of the whole data at once.

#include "core/search/ContentMatcher.h"
#include "core/search/SearchCriteria.h"
#include "core/search/WildcardMask.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace vantorim::search;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t a = all.find('\n');
  if (a == std::string_view::npos) return 0;
  const std::size_t b = all.find('\n', a + 1);
  if (b == std::string_view::npos) return 0;
  const QString mask = QString::fromUtf8(all.data(), qsizetype(a));
  const std::string_view name = all.substr(a + 1, b - a - 1);
  const std::string_view body = all.substr(b + 1);

  const WildcardMask m(mask);
  const bool byBytes = m.matches(name.data(), name.size());
  if (QString::fromUtf8(name.data(), qsizetype(name.size())).toUtf8() == QByteArray(name.data(), qsizetype(name.size())))
    if (byBytes != m.matches(QString::fromUtf8(name.data(), qsizetype(name.size())))) std::abort();
  (void)matchesSplitMask(mask, QString::fromUtf8(name.data(), qsizetype(name.size())));
  (void)splitMaskList(mask);

  if (a == 0 || a > 16) return 0;
  const std::string_view phrase = all.substr(0, a);
  const bool expected = std::search(body.begin(), body.end(), phrase.begin(), phrase.end()) != body.end();
  for (std::size_t block : {std::size_t(1), std::size_t(3), std::size_t(17)}) {
    const ContentMatcher matcher(QString::fromUtf8(phrase.data(), qsizetype(phrase.size())), false, false, block);
    if (matcher.phrase() != QByteArray(phrase.data(), qsizetype(phrase.size()))) return 0;  // not valid UTF-8
    std::size_t pos = 0;
    const bool found = matcher.matchesStream([&](char* buf, std::size_t n) -> long {
      const std::size_t k = std::min(n, body.size() - pos);
      std::memcpy(buf, body.data() + pos, k);
      pos += k;
      return long(k);
    });
    if (found != expected) std::abort();
    const ContentMatcher word(QString::fromUtf8(phrase.data(), qsizetype(phrase.size())), true, true, block);
    pos = 0;
    (void)word.matchesStream([&](char* buf, std::size_t n) -> long {
      const std::size_t k = std::min(n, body.size() - pos);
      std::memcpy(buf, body.data() + pos, k);
      pos += k;
      return long(k);
    });
  }
  return 0;
}
