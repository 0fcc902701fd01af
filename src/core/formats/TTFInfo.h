#pragma once
// The copyright, family, style and full name of a TrueType font file, read
// from its 'name' table.

#include <QIODevice>
#include <QString>

namespace vantorim::formats {

class TTTFInfo {
public:
  // Reads the names at once when the path differs from the current one; a
  // name not ending in ".ttf" (any case) gives four empty names. Returns false
  // with error() set when the file cannot be opened (the names then keep the
  // values of the previous file).
  bool setFilename(const QString& path);
  QString filename() const { return m_filename; }

  QString copyright() const { return m_copyright; }
  QString familyName() const { return m_familyName; }
  QString styleName() const { return m_styleName; }
  // Only characters a file name can hold, at most 80 of them.
  QString fullName() const { return m_fullName; }
  QString error() const { return m_error; }

  // Reads the names from an open font; false when the data holds no usable
  // 'name' table (the names are then empty).
  bool readFrom(QIODevice& font);

  // The filters the names pass through.
  static QString keepPrintable(const QString& s);
  static QString keepFileNameCharacters(const QString& s);

private:
  void clear();

  QString m_filename;
  QString m_copyright, m_familyName, m_styleName, m_fullName;
  QString m_error;
};

}  // namespace vantorim::formats
