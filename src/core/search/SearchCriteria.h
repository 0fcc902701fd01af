#pragma once
// What a search looks for. Copyable as a whole; every part copies by value.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace vantorim::search {

struct TFileCriteria {
  QString FileName;        // name masks separated by ";"
  QString Location;        // folders separated by ";"; "<" walks only it, ">" its subfolders too
  QStringList Included;    // folder + "/" + mask entries, with the same "<" and ">" prefixes
  QStringList Excluded;    // masks of paths never reported
  bool Subfolders = true;
  std::uint16_t MinLevel = 0;  // depth range; the folder searched is level 1
  std::uint16_t MaxLevel = 0;  // 0: no limit
};

// Attribute bits, as the platform layer keeps them.
enum TFileAttribute : std::uint32_t {
  ffReadonly = 0x01,
  ffHidden = 0x02,
  ffSystem = 0x04,
  ffDirectory = 0x10,
  ffArchive = 0x20,
};

struct TAttributeCriteria {
  std::uint32_t Attributes = ffArchive | ffReadonly | ffHidden | ffSystem;
  bool ExactMatch = false;
};

// Date-time numbers in local time: days since 1899-12-30, the fraction is the time of
// day. 0 means no bound; a whole number is a date only, a value below 1 a time only.
struct TDateTimeCriteria {
  double CreatedBefore = 0;
  double CreatedAfter = 0;
  double ModifiedBefore = 0;
  double ModifiedAfter = 0;
  double AccessedBefore = 0;
  double AccessedAfter = 0;
};

// Byte counts, both bounds inclusive; 0 means no bound.
struct TSizeCriteria {
  std::uint64_t Min = 0;
  std::uint64_t Max = 0;
};

struct TContentCriteria {
  QString Phrase;
  bool IgnoreCase = true;
  bool WholeWord = false;
};

struct TSearchCriteria {
  TFileCriteria Files;
  TAttributeCriteria Attribute;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;
};

// Conversions between local date-times and date-time numbers.
double dateTimeNumber(const QDateTime& local);
double dateNumber(const QDate& date);  // whole number: date-only bound
double timeNumber(const QTime& time);  // below 1: time-only bound
QDateTime dateTimeFromNumber(double value);

// Splits a ";" list: each item trimmed of blanks and control characters at both ends;
// empty items and repeats (compared without regard to case) are dropped.
QStringList splitMaskList(const QString& text);
// The same for folder lists; repeats are compared exactly (file names are case-sensitive).
QStringList splitLocationList(const QString& text);

}  // namespace vantorim::search
