#include "core/fileinfo/ImgData.h"

#include "core/fileinfo/IptcData.h"

#include <QFile>
#include <QFileInfo>

namespace vantorim::fileinfo {

TImgData::TImgData() = default;
TImgData::~TImgData() = default;

void TImgData::clear() {
  m_fileName.clear();
  m_filePath.clear();
  m_fileDate = {};
  m_fileSize = 0;
  m_error = kNotExifText;
  m_sections.clear();
  m_exifIndex = m_headerIndex = m_iptcIndex = m_commentIndex = -1;
  m_info.reset();
  m_iptc.reset();
  m_tiff = false;
}

bool TImgData::readFile(const QString& path) {
  clear();
  const QFileInfo fi(path);
  m_filePath = path;
  m_fileName = fi.fileName();
  m_fileDate = fi.lastModified();
  m_fileSize = fi.size();
  const QString ext = fi.suffix().toLower();
  const bool jpeg = ext == "jpg" || ext == "jpeg" || ext == "jpe";
  const bool tiff = ext == "tif" || ext == "tiff" || ext == "nef";
  if (!jpeg && !tiff) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return jpeg ? readJpeg(file) : readTiff(file);
}

bool TImgData::readJpeg(QIODevice& dev) {
  if (dev.read(2) != QByteArray("\xFF\xD8", 2)) return false;
  auto found = [&] { return m_exifIndex >= 0 || m_commentIndex >= 0 || m_iptcIndex >= 0; };
  while (int(m_sections.size()) < kMaxSections) {
    char c = 0;
    if (!dev.getChar(&c) || uchar(c) != 0xFF) break;
    while (uchar(c) == 0xFF)
      if (!dev.getChar(&c)) break;
    if (uchar(c) == 0xFF) break;
    const int marker = uchar(c);
    tSection s;
    s.marker = marker;
    if (marker == 0xD9) {
      m_sections.push_back(s);
      break;
    }
    const QByteArray len = dev.read(2);
    if (len.size() != 2) break;
    s.size = uchar(len[0]) << 8 | uchar(len[1]);
    if (s.size < 2) break;
    const QByteArray payload = dev.read(s.size - 2);
    if (payload.size() != s.size - 2) break;  // a short section ends the reading
    s.data = len + payload;
    const int index = int(m_sections.size());
    bool keep = true;
    switch (marker) {
      case 0xE0: m_headerIndex = index; break;
      case 0xE1:
        if (index < 5 && m_exifIndex < 0) {
          m_exifIndex = index;
        } else if (index < 5 && !m_info && m_error == "Incorrect Exif header" &&
                   payload.startsWith("Exif")) {
          // An XMP block came first; the EXIF block after it is the one to read.
          m_exifIndex = index;
          m_error = kNotExifText;
        } else {
          keep = false;  // a later APP1 (XMP and the like) is dropped
        }
        break;
      case 0xED:
        if (m_iptcIndex < 0) m_iptcIndex = index;
        break;
      case 0xFE: m_commentIndex = index; break;
      default: break;
    }
    if (!keep) continue;
    m_sections.push_back(std::move(s));
    if (index == m_exifIndex) interpretExif(m_sections.back());
    if (index == m_iptcIndex) {
      m_iptc = std::make_unique<TIPTCdata>();
      m_iptc->parse(m_sections.back().data);
      m_iptc->setLanguage(m_language);
    }
    if (marker == 0xDA) break;
    if (m_sections.size() == 5 && !found()) break;
  }
  if (!found()) return false;
  if (m_error == kNotExifText) m_error = kNoneText;
  return true;
}

void TImgData::interpretExif(const tSection& s) {
  auto info = std::make_unique<TImageInfo>(m_options);
  const QString error = info->readExifSection(s.data.mid(2));
  if (!error.isEmpty()) m_error = error;
  if (error == "Incorrect Exif header" || error == "Invalid Exif alignment marker") return;
  m_info = std::move(info);
}

bool TImgData::readTiff(QIODevice& dev) {
  m_tiff = true;
  m_error = kNotExifText;
  // The first block of the file; extended when the header points at a directory past it
  // (files written with the directory at their end), up to a bound.
  constexpr qint64 kBlock = 256000 + 8, kMaxBlock = 32 * 1024 * 1024;
  QByteArray block = dev.read(kBlock);
  if (!block.startsWith("II") && !block.startsWith("MM")) return false;
  if (block.size() >= 8) {
    const bool mm = block.startsWith("MM");
    const auto* p = reinterpret_cast<const uchar*>(block.constData()) + 4;
    const qint64 first = mm ? qint64(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]
                            : qint64(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
    if (first + 2 > block.size() && first < kMaxBlock) block += dev.read(first + 65536 - block.size());
  }
  auto info = std::make_unique<TImageInfo>(m_options);
  const QString error = info->readTiffBlock(block);
  m_info = std::move(info);
  if (!error.isEmpty()) {
    m_error = error;
    return false;
  }
  m_error = kNoneText;
  return true;
}

bool TImgData::hasThumbnail() const {
  return m_info && hasExif() && m_info->thumbStart > 21 && m_info->thumbLength > 256;
}

QString TImgData::commentText() const {
  const tSection* s = commentSection();
  return s ? QString::fromLatin1(s->data.mid(2)) : QString();
}

void TImgData::readThumbnail() {
  if (m_info) m_info->readThumbnail();
}

TIPTCdata* TImgData::createIptc() {
  if (!m_iptc) {
    m_iptc = std::make_unique<TIPTCdata>();
    m_iptc->setLanguage(m_language);
  }
  return m_iptc.get();
}

void TImgData::setIptcBlock(const QByteArray& block) {
  tSection s;
  s.marker = 0xED;
  s.size = int(block.size() + 2);
  s.data.append(char(s.size >> 8 & 0xFF)).append(char(s.size & 0xFF)).append(block);
  if (m_iptcIndex >= 0) {
    m_sections[m_iptcIndex] = std::move(s);
  } else {
    m_iptcIndex = int(m_sections.size());
    m_sections.push_back(std::move(s));
  }
}

void TImgData::setLanguage(int language) {
  m_language = language;
  if (m_iptc) m_iptc->setLanguage(language);
}

QString TImgData::longSummary() const {
  if (!hasExif()) return {};
  if (m_error != kNoneText) return "File Name: " + m_fileName + "\r\n" + "Exif Error: " + m_error;
  const TImageInfo* i = m_info.get();
  QStringList lines;
  lines << "File Name: " + m_fileName << "File Size: " + QString::number(m_fileSize / 1024) + "k"
        << "File Date: " + m_fileDate.toString("yyyy-MM-dd hh:mm:ss");
  if (!i) return lines.join("\r\n");
  lines << "Photo Date: " + i->dateTime << "Make (Model): " + i->cameraMake + " (" + i->cameraModel + ")"
        << "Dimensions: " + QString::number(i->width) + " x " + QString::number(i->height);
  auto add = [&](const QString& caption, const QString& name) {
    if (i->find(name)) lines << caption + i->value(name);
  };
  if (i->find("ExposureTime")) add("Exposure Time: ", "ExposureTime");
  else add("Exposure Time: ", "ShutterSpeedValue");
  add("Focal Length: ", "FocalLength");
  add("Focal Length (35mm): ", "FocalLengthin35mmFilm");
  add("FNumber: ", "FNumber");
  add("ISO: ", "ISOSpeedRatings");
  lines << "Flash: " + QString(i->flashUsed > 0 && (i->flashUsed & 1) ? "Yes" : "No");
  return lines.join("\r\n");
}

QString TImgData::shortSummary() const {
  if (!hasExif()) return {};
  if (m_error != kNoneText) return m_fileName + " Exif Error: " + m_error;
  const TImageInfo* i = m_info.get();
  QString s = m_fileName + " " + QString::number(m_fileSize / 1024) + "k ";
  if (!i) return s;
  s += i->dateTime.left(10) + " " + QString::number(i->width) + "w " + QString::number(i->height) + "h ";
  if (i->flashUsed > 0 && (i->flashUsed & 1)) s += " Flash";
  return s;
}

}  // namespace vantorim::fileinfo
