#pragma once
// Picture reader: splits a JPEG file into its sections and interprets the EXIF,
// JFIF header, comment and IPTC sections; reads TIFF-structured files' directories.

#include "core/fileinfo/ImageInfo.h"

#include <QDateTime>
#include <QIODevice>

#include <memory>

namespace vantorim::fileinfo {

class TIPTCdata;

// One JPEG section: marker, the 16-bit length field and the data (length field + payload).
struct tSection {
  int marker = 0;
  int size = 0;
  QByteArray data;
};

class TImgData {
public:
  static constexpr int kMaxSections = 20;
  static constexpr const char* kNoneText = "<none>";
  static constexpr const char* kNotExifText = "Not an EXIF file";

  TImgData();
  ~TImgData();
  TImgData(const TImgData&) = delete;
  TImgData& operator=(const TImgData&) = delete;

  bool readFile(const QString& path);
  // The same readings on bytes in memory; `name` stands for the file name.
  bool readJpeg(QIODevice& device);
  bool readTiff(QIODevice& device);

  QString fileName() const { return m_fileName; }
  QString filePath() const { return m_filePath; }
  QDateTime fileDate() const { return m_fileDate; }
  qint64 fileSize() const { return m_fileSize; }
  QString errorText() const { return m_error; }

  const std::vector<tSection>& sections() const { return m_sections; }
  const tSection* exifSection() const { return section(m_exifIndex); }
  const tSection* headerSection() const { return section(m_headerIndex); }
  const tSection* iptcSection() const { return section(m_iptcIndex); }
  const tSection* commentSection() const { return section(m_commentIndex); }

  bool hasExif() const { return m_exifIndex >= 0; }
  bool hasMetadata() const { return hasExif() || m_commentIndex >= 0 || m_iptcIndex >= 0; }
  bool hasIptc() const { return m_iptcIndex >= 0; }
  bool hasThumbnail() const;
  QString commentText() const;
  void readThumbnail();

  TImageInfo* exifInfo() const { return m_info.get(); }
  TIPTCdata* iptcData() const { return m_iptc.get(); }
  TIPTCdata* createIptc();  // an empty IPTC data set when none exists
  // Stores a built IPTC block as the IPTC section (added when missing).
  void setIptcBlock(const QByteArray& block);
  void setLanguage(int language);
  int language() const { return m_language; }

  bool motorola() const { return m_info && m_info->motorola(); }
  bool tiffFile() const { return m_tiff; }

  void setVerbose(bool on) { m_options.verbose = on; }
  bool verbose() const { return m_options.verbose; }

  QString longSummary() const;
  QString shortSummary() const;

private:
  void clear();
  const tSection* section(int i) const { return i >= 0 && i < int(m_sections.size()) ? &m_sections[i] : nullptr; }
  void interpretExif(const tSection& s);

  ReaderOptions m_options;
  QString m_fileName, m_filePath, m_error = kNotExifText;
  QDateTime m_fileDate;
  qint64 m_fileSize = 0;
  std::vector<tSection> m_sections;
  int m_exifIndex = -1, m_headerIndex = -1, m_iptcIndex = -1, m_commentIndex = -1;
  std::unique_ptr<TImageInfo> m_info;
  std::unique_ptr<TIPTCdata> m_iptc;
  bool m_tiff = false;
  int m_language = 3;
};

}  // namespace vantorim::fileinfo
