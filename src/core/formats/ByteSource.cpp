#include "core/formats/ByteSource.h"

namespace vantorim::formats {

std::optional<QByteArray> ByteSource::read(qint64 offset, qint64 length) const {
  if (offset < 0 || length < 0 || offset > m_size || length > m_size - offset) return std::nullopt;
  if (!m_device.seek(offset)) return std::nullopt;
  QByteArray data = m_device.read(length);
  if (data.size() != length) return std::nullopt;
  return data;
}

std::optional<uint8_t> ByteSource::u8(qint64 offset) const {
  auto b = read(offset, 1);
  if (!b) return std::nullopt;
  return uint8_t((*b)[0]);
}
std::optional<uint16_t> ByteSource::u16le(qint64 offset) const {
  auto b = read(offset, 2);
  if (!b) return std::nullopt;
  return le16(*b, 0);
}
std::optional<uint32_t> ByteSource::u32le(qint64 offset) const {
  auto b = read(offset, 4);
  if (!b) return std::nullopt;
  return le32(*b, 0);
}
std::optional<uint16_t> ByteSource::u16be(qint64 offset) const {
  auto b = read(offset, 2);
  if (!b) return std::nullopt;
  return be16(*b, 0);
}
std::optional<uint32_t> ByteSource::u32be(qint64 offset) const {
  auto b = read(offset, 4);
  if (!b) return std::nullopt;
  return be32(*b, 0);
}

}  // namespace vantorim::formats
