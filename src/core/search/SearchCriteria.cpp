#include "core/search/SearchCriteria.h"

#include "core/search/WildcardMask.h"

#include <QSet>

#include <cmath>

namespace vantorim::search {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

bool isBlankOrControl(QChar c) { return c.unicode() <= 32; }
}  // namespace

double dateNumber(const QDate& date) { return double(kEpoch.daysTo(date)); }

double timeNumber(const QTime& time) { return time.msecsSinceStartOfDay() / kMsPerDay; }

double dateTimeNumber(const QDateTime& local) {
  const QDateTime l = local.toLocalTime();
  return dateNumber(l.date()) + timeNumber(l.time());
}

QDateTime dateTimeFromNumber(double value) {
  const double day = std::floor(value);
  const QDate date = kEpoch.addDays(qint64(day));
  const int ms = int(std::llround((value - day) * kMsPerDay));
  return QDateTime(date, QTime(0, 0)).addMSecs(ms);
}

namespace {
QStringList splitList(const QString& text, bool foldRepeats) {
  QStringList result;
  QSet<QString> seen;
  for (const QString& part : text.split(';')) {
    qsizetype begin = 0, end = part.size();
    while (begin < end && isBlankOrControl(part[begin])) ++begin;
    while (end > begin && isBlankOrControl(part[end - 1])) --end;
    if (begin == end) continue;
    const QString item = part.mid(begin, end - begin);
    QString key = item;
    if (foldRepeats) {
      const std::u32string folded = foldString(item);
      key = QString::fromUcs4(folded.data(), qsizetype(folded.size()));
    }
    if (seen.contains(key)) continue;
    seen.insert(key);
    result << item;
  }
  return result;
}
}  // namespace

QStringList splitMaskList(const QString& text) { return splitList(text, true); }
QStringList splitLocationList(const QString& text) { return splitList(text, false); }

}  // namespace vantorim::search
