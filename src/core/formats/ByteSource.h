#pragma once
// Bounded random-access reading for file-format readers: every read is
// checked against the source size, and a failed read reports instead of
// returning garbage.

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <optional>

namespace vantorim::formats {

class ByteSource {
public:
  explicit ByteSource(QIODevice& device) : m_device(device), m_size(device.size()) {}
  qint64 size() const { return m_size; }
  // Exactly `length` bytes at `offset`, or nothing when they are not all there.
  std::optional<QByteArray> read(qint64 offset, qint64 length) const;
  std::optional<uint8_t> u8(qint64 offset) const;
  std::optional<uint16_t> u16le(qint64 offset) const;
  std::optional<uint32_t> u32le(qint64 offset) const;
  std::optional<uint16_t> u16be(qint64 offset) const;
  std::optional<uint32_t> u32be(qint64 offset) const;

private:
  QIODevice& m_device;
  qint64 m_size;
};

// Little- and big-endian fields of a buffer already read; callers check bounds.
inline uint16_t le16(const QByteArray& b, qsizetype at) {
  return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}
inline uint32_t le32(const QByteArray& b, qsizetype at) {
  return uint32_t(le16(b, at)) | (uint32_t(le16(b, at + 2)) << 16);
}
inline uint16_t be16(const QByteArray& b, qsizetype at) {
  return uint16_t((uint8_t(b[at]) << 8) | uint8_t(b[at + 1]));
}
inline uint32_t be32(const QByteArray& b, qsizetype at) {
  return (uint32_t(be16(b, at)) << 16) | be16(b, at + 2);
}
inline void putLe16(QByteArray& b, qsizetype at, uint32_t v) {
  b[at] = char(v & 0xFF);
  b[at + 1] = char((v >> 8) & 0xFF);
}
inline void putLe32(QByteArray& b, qsizetype at, uint32_t v) {
  putLe16(b, at, v & 0xFFFF);
  putLe16(b, at + 2, v >> 16);
}

}  // namespace vantorim::formats
