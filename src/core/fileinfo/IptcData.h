#pragma once
// IPTC datasets (records 2 and 8) of a picture's Photoshop 3.0 resource block:
// reading, editing, building the block and writing a copy of the picture with it.

#include "core/fileinfo/ImageInfo.h"
#include "core/platform/FileOps.h"

#include <QDateTime>

namespace vantorim::fileinfo {

struct IptcTagRow {
  int record;
  int dataset;
  const char* name;
  const char* description;  // as stored in the table
  int maxLength;
  const char* german;
  const char* english;
};

// The 49 rows; row 0 ("SKIP") is never listed, offered or written.
const std::vector<IptcTagRow>& iptcTagRows();

class TIPTCdata {
public:
  static constexpr int kGerman = 3;
  static constexpr int kEnglish = 1;

  // Clears the list and reads the datasets of an IPTC section (length field included or not).
  void parse(const QByteArray& section);
  // Table description + " = " + value per recognised dataset, in file order.
  static QStringList textLines(const QByteArray& section);

  int count() const { return int(m_tags.size()); }
  const TTagEntry& at(int index) const { return m_tags.at(size_t(index)); }
  const std::vector<TTagEntry>& tags() const { return m_tags; }
  int indexOf(const QString& name) const;
  QString value(const QString& name, const QString& fallback = {}) const;
  void setValue(int index, const QString& value);
  int addTag(const QString& name, const QString& value = {});
  int addToListTag(const QString& name, const QString& value);
  int setTag(const QString& name, const QString& value);
  void removeTag(const QString& name);
  void setLanguage(int language);
  int language() const { return m_language; }
  QDateTime creationDate() const;

  // The Photoshop 3.0 block with the datasets of the list.
  QByteArray buildBlock() const;
  // Writes a copy of the JPEG file `source` to `target` with this block as its IPTC section.
  platform::OpResult writeCopy(const QString& target, const QString& source,
                               bool replaceExisting = false) const;

private:
  std::vector<TTagEntry> m_tags;
  int m_language = kGerman;
};

// Copies the JPEG file `source` to `target`, keeping every byte except the first IPTC
// (Photoshop 3.0 APP13) section, whose IPTC resource is replaced by the one of `iptcBlock`
// (its other resources stay); without such a section `iptcBlock` is added after the
// application segments at the start. Written to a temporary name and renamed into place;
// an existing target is only replaced when `replaceExisting` is set.
platform::OpResult writeJpegWithIptc(const QString& source, const QString& target,
                                     const QByteArray& iptcBlock, bool replaceExisting);

}  // namespace vantorim::fileinfo
