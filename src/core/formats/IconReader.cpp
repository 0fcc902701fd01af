#include "core/formats/IconReader.h"

#include "core/formats/ByteSource.h"

#include <QFile>

#include <cstdlib>
#include <map>

namespace vantorim::formats {

namespace {

constexpr int kMaxIconSide = 1024;
constexpr uint32_t kMaxImageBytes = 16u << 20;
constexpr int kMaxEntriesPerDirectory = 4096;
constexpr int kMaxDirectoryVisits = 20000;
// Decoded pixels of one file at most (1 GB of colour and mask data).
constexpr qint64 kMaxPixelsPerFile = qint64(200) << 20;
constexpr uint32_t kRtIcon = 3;
constexpr uint32_t kRtGroupIcon = 14;

bool isPng(const QByteArray& data) { return data.startsWith("\x89PNG"); }

int effectiveBits(const IconDirEntry& e) {
  if (e.bitCount > 0) return e.bitCount;
  if (e.colorCount == 2) return 1;
  if (e.colorCount == 16) return 4;
  return 8;
}

QString describe(const IconDirEntry& e) {
  return QStringLiteral("%1x%2@%3").arg(e.width).arg(e.height).arg(effectiveBits(e));
}

IconDirEntry entryFrom(uint8_t w, uint8_t h, uint8_t colors, uint16_t planes, uint16_t bits,
                       uint32_t bytes) {
  return {w == 0 ? 256 : w, h == 0 ? 256 : h, colors, planes, bits, bytes};
}

// Chooses, decodes and on a failed decode falls back to the next best entry.
template <typename LoadData>
std::optional<IconImage> decodeBest(const std::vector<IconDirEntry>& entries, std::vector<bool> usable,
                                    LoadData load) {
  for (size_t tries = 0; tries < entries.size(); ++tries) {
    const int i = chooseLargeIconEntry(entries, usable);
    if (i < 0) return std::nullopt;
    if (auto data = load(i); data && !isPng(*data))
      if (auto img = decodeIconBitmap(*data)) return img;
    usable[size_t(i)] = false;
  }
  return std::nullopt;
}

// The resource section of a PE file, read through its RVA mapping.
class PeResources {
public:
  explicit PeResources(const ByteSource& src) : m_src(src) {}

  bool open(QString& error) {
    if (auto mz = m_src.read(0, 2); !mz || *mz != "MZ") return fail(error, "no MZ header");
    const auto peOff = m_src.u32le(0x3C);
    if (!peOff) return fail(error, "truncated DOS header");
    if (auto sig = m_src.read(*peOff, 4); !sig || *sig != QByteArray("PE\0\0", 4))
      return fail(error, "no PE header");
    const qint64 coff = qint64(*peOff) + 4;
    const auto sections = m_src.u16le(coff + 2);
    const auto optSize = m_src.u16le(coff + 16);
    const qint64 opt = coff + 20;
    const auto magic = m_src.u16le(opt);
    if (!sections || !optSize || !magic) return fail(error, "truncated PE header");
    qint64 countAt = 0, dirs = 0;
    if (*magic == 0x10B) {
      countAt = opt + 92;
      dirs = opt + 96;
    } else if (*magic == 0x20B) {
      countAt = opt + 108;
      dirs = opt + 112;
    } else {
      return fail(error, "unknown optional header");
    }
    const auto count = m_src.u32le(countAt);
    if (!count) return fail(error, "truncated optional header");
    if (*count < 3) return true;  // no resource directory
    const auto rva = m_src.u32le(dirs + 16);
    if (!rva) return fail(error, "truncated data directories");
    const qint64 table = opt + *optSize;
    for (int i = 0; i < std::min<int>(*sections, 1024); ++i) {
      const auto s = m_src.read(table + 40 * qint64(i), 40);
      if (!s) break;
      m_sections.push_back({le32(*s, 8), le32(*s, 12), le32(*s, 16), le32(*s, 20)});
    }
    if (*rva == 0) return true;
    m_base = toOffset(*rva, 16);
    return true;
  }

  bool hasResources() const { return m_base >= 0; }
  qint64 base() const { return m_base; }

  // File offset of `length` bytes at an RVA, or -1 when they do not lie in a section's file data.
  qint64 toOffset(uint32_t rva, uint32_t length) const {
    for (const auto& s : m_sections) {
      if (rva < s.va) continue;
      const uint64_t rel = uint64_t(rva) - s.va;
      const uint64_t span = std::max(s.virtualSize, s.rawSize);
      if (rel >= span) continue;
      if (rel + length > s.rawSize) return -1;
      const qint64 off = qint64(s.rawPtr) + qint64(rel);
      if (off + qint64(length) > m_src.size()) return -1;
      return off;
    }
    return -1;
  }

  struct Entry {
    uint32_t id = 0;       // valid when !named
    bool named = false;
    QString name;
    bool directory = false;
    uint32_t target = 0;   // offset from the resource base
  };

  // The entries of one directory, within the visit budget.
  std::vector<Entry> directory(uint32_t offset) {
    std::vector<Entry> out;
    if (++m_visits > kMaxDirectoryVisits) return out;
    const auto head = m_src.read(m_base + offset, 16);
    if (!head) return out;
    const int n = std::min(int(le16(*head, 12)) + int(le16(*head, 14)), kMaxEntriesPerDirectory);
    const auto raw = m_src.read(m_base + offset + 16, 8 * qint64(n));
    if (!raw) return out;
    for (int i = 0; i < n; ++i) {
      const uint32_t nameField = le32(*raw, 8 * i);
      const uint32_t dataField = le32(*raw, 8 * i + 4);
      Entry e;
      e.named = nameField & 0x80000000u;
      if (e.named) {
        const uint32_t at = nameField & 0x7FFFFFFFu;
        if (auto len = m_src.u16le(m_base + at)) {
          if (auto chars = m_src.read(m_base + at + 2, qint64(*len) * 2))
            e.name = QString::fromUtf16(reinterpret_cast<const char16_t*>(chars->constData()), *len);
        }
      } else {
        e.id = nameField & 0xFFFF;
      }
      e.directory = dataField & 0x80000000u;
      e.target = dataField & 0x7FFFFFFFu;
      out.push_back(e);
    }
    return out;
  }

  // The data of the first leaf below an entry (languages: the first one).
  std::optional<QByteArray> firstLeaf(const Entry& e, int depth = 0) {
    if (!e.directory) return leafData(e.target);
    if (depth >= 2) return std::nullopt;
    for (const Entry& child : directory(e.target))
      if (auto d = firstLeaf(child, depth + 1)) return d;
    return std::nullopt;
  }

private:
  struct Section {
    uint32_t virtualSize, va, rawSize, rawPtr;
  };

  static bool fail(QString& error, const char* why) {
    error = QString::fromLatin1(why);
    return false;
  }

  std::optional<QByteArray> leafData(uint32_t offset) {
    const auto leaf = m_src.read(m_base + offset, 16);
    if (!leaf) return std::nullopt;
    const uint32_t rva = le32(*leaf, 0);
    const uint32_t size = le32(*leaf, 4);
    if (size == 0 || size > kMaxImageBytes) return std::nullopt;
    const qint64 at = toOffset(rva, size);
    if (at < 0) return std::nullopt;
    return m_src.read(at, size);
  }

  const ByteSource& m_src;
  std::vector<Section> m_sections;
  qint64 m_base = -1;
  int m_visits = 0;
};

}  // namespace

int chooseLargeIconEntry(const std::vector<IconDirEntry>& entries, const std::vector<bool>& usable) {
  int best = -1;
  auto better = [](const IconDirEntry& a, const IconDirEntry& b) {
    const int da = std::abs(a.width - 32) + std::abs(a.height - 32);
    const int db = std::abs(b.width - 32) + std::abs(b.height - 32);
    if (da != db) return da < db;
    if (a.width * a.height != b.width * b.height) return a.width * a.height > b.width * b.height;
    return effectiveBits(a) > effectiveBits(b);
  };
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i < usable.size() && !usable[i]) continue;
    if (best < 0 || better(entries[i], entries[size_t(best)])) best = int(i);
  }
  return best;
}

std::optional<IconImage> decodeIconBitmap(const QByteArray& data) {
  if (data.size() < 40 || isPng(data)) return std::nullopt;
  const uint32_t headerSize = le32(data, 0);
  if (headerSize < 40 || headerSize > uint32_t(data.size())) return std::nullopt;
  const int32_t width = int32_t(le32(data, 4));
  const int32_t fullHeight = int32_t(le32(data, 8));
  const int bits = le16(data, 14);
  const uint32_t compression = le32(data, 16);
  const uint32_t colorsUsed = le32(data, 32);
  if (fullHeight == INT32_MIN) return std::nullopt;
  const bool topDown = fullHeight < 0;
  const int height = std::abs(fullHeight) / 2;
  if (width <= 0 || width > kMaxIconSide || height <= 0 || height > kMaxIconSide) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
  if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32))) return std::nullopt;

  qsizetype at = headerSize;
  if (compression == 3 && headerSize == 40) at += 12;  // the three bit-field masks
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    uint32_t n = 1u << bits;
    if (colorsUsed != 0 && colorsUsed < n) n = colorsUsed;
    if (at + qsizetype(n) * 4 > data.size()) return std::nullopt;
    for (uint32_t i = 0; i < n; ++i) {
      const qsizetype p = at + qsizetype(i) * 4;
      palette.push_back((uint32_t(uint8_t(data[p + 2])) << 16) | (uint32_t(uint8_t(data[p + 1])) << 8) |
                        uint8_t(data[p]));
    }
    at += qsizetype(n) * 4;
  }
  const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
  const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
  if (at + stride * height > data.size()) return std::nullopt;
  const qsizetype maskAt = at + stride * height;
  const bool hasMask = maskAt + maskStride * height <= data.size();
  if (!hasMask && bits != 32) return std::nullopt;

  IconImage img;
  img.width = width;
  img.height = height;
  img.sourceBitsPerPixel = bits;
  img.color.resize(size_t(width) * size_t(height));
  img.mask.assign(img.color.size(), 0);
  const auto* d = reinterpret_cast<const uint8_t*>(data.constData());
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    const uint8_t* line = d + at + stride * row;
    for (int x = 0; x < width; ++x) {
      uint32_t c = 0;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / bits;
          const int shift = 8 - bits * (x % perByte + 1);
          const uint32_t idx = (line[x / perByte] >> shift) & ((1u << bits) - 1);
          c = idx < palette.size() ? palette[idx] : 0;
          break;
        }
        case 16: {
          const uint32_t v = line[2 * x] | (uint32_t(line[2 * x + 1]) << 8);
          auto scale = [](uint32_t five) { return (five << 3) | (five >> 2); };
          c = (scale((v >> 10) & 31) << 16) | (scale((v >> 5) & 31) << 8) | scale(v & 31);
          break;
        }
        case 24: c = (uint32_t(line[3 * x + 2]) << 16) | (uint32_t(line[3 * x + 1]) << 8) | line[3 * x]; break;
        case 32:
          c = (uint32_t(line[4 * x + 3]) << 24) | (uint32_t(line[4 * x + 2]) << 16) |
              (uint32_t(line[4 * x + 1]) << 8) | line[4 * x];
          break;
      }
      img.color[size_t(y) * size_t(width) + size_t(x)] = c;
      if (hasMask) {
        const uint8_t* mline = d + maskAt + maskStride * row;
        img.mask[size_t(y) * size_t(width) + size_t(x)] = (mline[x / 8] >> (7 - x % 8)) & 1;
      }
    }
  }
  return img;
}

IconReadResult readPeIcons(QIODevice& file) {
  IconReadResult result;
  const ByteSource src(file);
  PeResources res(src);
  if (!res.open(result.error)) return result;
  if (!res.hasResources()) return result;

  using Entry = PeResources::Entry;
  std::vector<Entry> groups;
  std::map<uint32_t, Entry> images;  // RT_ICON by id
  for (const Entry& type : res.directory(0)) {
    if (type.named || !type.directory) continue;
    if (type.id == kRtGroupIcon && groups.empty()) {
      groups = res.directory(type.target);
    } else if (type.id == kRtIcon && images.empty()) {
      for (const Entry& e : res.directory(type.target))
        if (!e.named) images.emplace(e.id, e);
    }
  }
  int index = 0;
  qint64 pixels = 0;
  for (const Entry& g : groups) {
    if (pixels > kMaxPixelsPerFile) {
      ++result.skipped;
      continue;
    }
    const auto data = res.firstLeaf(g);
    if (!data || data->size() < 6 || le16(*data, 2) != 1) {
      ++result.skipped;
      continue;
    }
    const int count = le16(*data, 4);
    std::vector<IconDirEntry> entries;
    std::vector<uint16_t> ids;
    std::vector<bool> usable;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= data->size(); ++i) {
      const qsizetype p = 6 + 14 * i;
      entries.push_back(entryFrom(uint8_t((*data)[p]), uint8_t((*data)[p + 1]), uint8_t((*data)[p + 2]),
                                  le16(*data, p + 4), le16(*data, p + 6), le32(*data, p + 8)));
      ids.push_back(le16(*data, p + 12));
      usable.push_back(images.count(ids.back()) != 0);
    }
    auto img = decodeBest(entries, usable, [&](int i) { return res.firstLeaf(images.at(ids[size_t(i)])); });
    if (!img) {
      ++result.skipped;
      continue;
    }
    pixels += qint64(img->width) * img->height;
    ExtractedIcon icon;
    icon.index = index++;
    icon.resourceName = g.named ? g.name : QStringLiteral("#%1").arg(g.id);
    icon.image = std::move(*img);
    for (const auto& e : entries) icon.groupImages.push_back(describe(e));
    result.icons.push_back(std::move(icon));
  }
  return result;
}

IconReadResult readIcoFile(QIODevice& file) {
  IconReadResult result;
  const ByteSource src(file);
  const auto head = src.read(0, 6);
  if (!head || le16(*head, 0) != 0 || le16(*head, 2) != 1 || le16(*head, 4) == 0) {
    result.error = QStringLiteral("not an icon file");
    return result;
  }
  const int count = le16(*head, 4);
  std::vector<IconDirEntry> entries;
  std::vector<uint32_t> offsets;
  for (int i = 0; i < count; ++i) {
    const auto e = src.read(6 + 16 * qint64(i), 16);
    if (!e) break;
    entries.push_back(entryFrom(uint8_t((*e)[0]), uint8_t((*e)[1]), uint8_t((*e)[2]), le16(*e, 4),
                                le16(*e, 6), le32(*e, 8)));
    offsets.push_back(le32(*e, 12));
  }
  if (entries.empty()) {
    result.error = QStringLiteral("truncated icon directory");
    return result;
  }
  std::vector<bool> usable(entries.size(), true);
  for (size_t i = 0; i < entries.size(); ++i)
    usable[i] = entries[i].bytes > 0 && entries[i].bytes <= kMaxImageBytes;
  auto img = decodeBest(entries, usable, [&](int i) {
    return src.read(offsets[size_t(i)], entries[size_t(i)].bytes);
  });
  if (!img) {
    result.skipped = 1;
    return result;
  }
  ExtractedIcon icon;
  icon.image = std::move(*img);
  for (const auto& e : entries) icon.groupImages.push_back(describe(e));
  result.icons.push_back(std::move(icon));
  return result;
}

IconReadResult readIconsFromFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    IconReadResult r;
    r.error = QStringLiteral("cannot open: %1").arg(f.errorString());
    return r;
  }
  const QByteArray magic = f.peek(2);
  IconReadResult r = magic == "MZ" ? readPeIcons(f) : readIcoFile(f);
  for (auto& icon : r.icons) icon.sourceFile = path;
  return r;
}

}  // namespace vantorim::formats
