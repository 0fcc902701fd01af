#include "core/rename/GeneralRules.h"

#include "core/platform/FileTimes.h"
#include "core/rename/NameText.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vantorim::rename {

namespace {

void sortRange(std::vector<std::int32_t>& keys, QStringList& paths, qsizetype l, qsizetype r) {
  qsizetype i = l;
  qsizetype j = r;
  const std::int32_t pivot = keys[static_cast<size_t>((l + r) / 2)];
  do {
    while (keys[static_cast<size_t>(i)] < pivot) ++i;
    while (keys[static_cast<size_t>(j)] > pivot) --j;
    if (i <= j) {
      std::swap(keys[static_cast<size_t>(i)], keys[static_cast<size_t>(j)]);
      paths.swapItemsAt(i, j);
      ++i;
      --j;
    }
  } while (i <= j);
  if (l < j) sortRange(keys, paths, l, j);
  if (i < r) sortRange(keys, paths, i, r);
}

QString padded(std::int64_t number, int digits) {
  return QString::number(number).rightJustified(digits, u'0');
}

// Parses a 32-bit decimal integer the way the start value field is read.
std::optional<std::int32_t> parseInt32(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok || text.trimmed() != text) return std::nullopt;
  return value;
}

QString applyExtensionCase(const QString& ext, int mode) {
  if (mode == 1) return upperAscii(ext);
  if (mode == 2) return lowerAscii(ext);
  return ext;
}

CodePoints firstUpper(CodePoints text, qsizetype at) {
  if (static_cast<size_t>(at) < text.size()) text[static_cast<size_t>(at)] = upperLatin1(text[static_cast<size_t>(at)]);
  return text;
}

QString changeCase(const QString& part, int kind, bool isExtension) {
  if (part.isEmpty()) return part;
  CodePoints t = toCodePoints(part);
  switch (kind) {
    case 0:
      t = firstUpper(std::move(t), isExtension ? 1 : 0);
      break;
    case 1:
      if (isExtension) {
        t = firstUpper(std::move(t), 1);
      } else {
        for (size_t i = 0; i < t.size(); ++i)
          if (t[i] != U' ' && (i == 0 || t[i - 1] == U' ')) t[i] = upperLatin1(t[i]);
      }
      break;
    case 2:
      for (char32_t& c : t) c = upperLatin1(c);
      break;
    case 3:
      for (char32_t& c : t) c = lowerLatin1(c);
      break;
    case 4:
      for (char32_t& c : t) {
        if (isLowerLatin1(c)) c = upperLatin1(c);
        else if (isUpperLatin1(c)) c = lowerLatin1(c);
      }
      break;
    default:
      break;
  }
  return fromCodePoints(t);
}

CodePoints removeFromSide(const CodePoints& n, qsizetype r, bool fromEnd) {
  const auto len = static_cast<qsizetype>(n.size());
  if (r <= 0) return n;
  if (r >= len) return {};
  return fromEnd ? n.substr(0, static_cast<size_t>(len - r)) : n.substr(static_cast<size_t>(r));
}

// Removes the characters [lo, hi) (0-based, clamped to the name).
CodePoints cutRange(const CodePoints& n, qsizetype lo, qsizetype hi) {
  const auto len = static_cast<qsizetype>(n.size());
  lo = std::clamp<qsizetype>(lo, 0, len);
  hi = std::clamp<qsizetype>(hi, lo, len);
  return n.substr(0, static_cast<size_t>(lo)) + n.substr(static_cast<size_t>(hi));
}

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

// Characters `from` (1-based) to `from + count - 1` of `text`, as far as they exist.
QString chars(const QString& text, int from, int count) {
  const CodePoints t = toCodePoints(text);
  if (static_cast<size_t>(from - 1) >= t.size()) return {};
  return fromCodePoints(t.substr(static_cast<size_t>(from - 1), static_cast<size_t>(count)));
}

class RuleRun {
public:
  RuleRun(const GeneralParams& p, NameLists& lists, QString target, TargetMode mode)
      : m_p(p), m_lists(lists), m_target(std::move(target)), m_mode(mode) {}

  // The new full path for file name `x` of entry `i`.
  QString place(qsizetype i, const QString& x, bool directIntoTarget) const {
    const QString folder = folderOf(m_lists.newPaths.at(i));
    if (m_mode == TargetMode::Rename) return folder + x;
    if (directIntoTarget) return m_target + x;
    return m_target + relativePath(folderOf(m_lists.oldPaths.at(i)), m_lists.recursionRoot) + x;
  }

  RuleOutcome counters(RuleState& state);
  RuleOutcome replace();
  RuleOutcome insert();
  RuleOutcome cut();
  RuleOutcome caseChange();
  RuleOutcome shorten();
  RuleOutcome extension();
  RuleOutcome dateTime(const CreationTimeReader& reader);

private:
  const GeneralParams& m_p;
  NameLists& m_lists;
  QString m_target;
  TargetMode m_mode;
};

RuleOutcome RuleRun::counters(RuleState& state) {
  const auto mode = m_p.mode;
  const bool numberVariant = mode == GeneralMode::CompleteName && m_p.completeVariant == 1;
  if (m_p.logicalSorting && (mode == GeneralMode::NumberIndex || mode == GeneralMode::CharacterIndex)) {
    QString bad;
    if (!logicalSort(m_lists.oldPaths, &bad)) return {Message::InvalidInteger, bad};
    m_lists.newPaths = m_lists.oldPaths;
  }
  const int digits = std::clamp(m_p.digits, 1, 9);
  const int step = std::clamp(m_p.step, 1, 1000);
  std::int64_t start = 0;
  if (mode == GeneralMode::NumberIndex || numberVariant) {
    const auto parsed = parseInt32(m_p.startValue);
    if (!parsed) return {Message::InvalidInteger, m_p.startValue};
    start = *parsed;
  }
  const auto count = m_lists.oldPaths.size();
  double capacity = 0;
  if (mode == GeneralMode::NumberIndex) {
    const double c = std::round(std::pow(10.0, digits) - static_cast<double>(start));
    capacity = std::trunc(c / step);
  } else if (mode == GeneralMode::CharacterIndex) {
    double product = 1;
    for (char32_t c : toCodePoints(lowerAscii(m_p.startLetters))) product *= static_cast<double>(c) - 96.0;
    capacity = std::round(std::pow(26.0, digits) - product);
  } else if (numberVariant) {
    capacity = std::round(std::pow(10.0, digits) - static_cast<double>(start));
  }
  if (mode == GeneralMode::CompleteName && m_p.baseName.isEmpty()) return {Message::NoMainName, {}};
  if (mode != GeneralMode::CompleteName || numberVariant) {
    if (capacity < static_cast<double>(count)) return {Message::TooFewDigits, {}};
  }

  QString letters;
  if (mode == GeneralMode::CharacterIndex)
    letters = characterCount(m_p.startLetters) == digits ? m_p.startLetters : QString(digits, u'a');
  const bool atStart = m_p.indexPlace == 1;
  for (qsizetype i = 0; i < count; ++i) {
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    const QString ext = applyExtensionCase(parts.extension, m_p.extensionCase);
    QString x;
    if (mode == GeneralMode::NumberIndex) {
      const QString number = padded(static_cast<std::int64_t>(i) * step + start, digits);
      x = atStart ? number + m_p.baseName + ext : m_p.baseName + number + ext;
    } else if (mode == GeneralMode::CharacterIndex) {
      x = atStart ? letters + m_p.baseName + ext : m_p.baseName + letters + ext;
      letters = advanceLetters(letters);
    } else if (numberVariant) {
      x = padded(static_cast<std::int64_t>(i) + start, digits) + parts.name + ext;
    } else {
      x = m_p.baseName + parts.name + ext;
    }
    m_lists.newPaths[i] = place(i, x, true);
  }
  if (mode == GeneralMode::NumberIndex) state.lastNumber = static_cast<std::int64_t>(count) + start - 1;
  return {};
}

RuleOutcome RuleRun::replace() {
  if (m_p.searchText.isEmpty()) return {Message::NoSearchText, {}};
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    const QString name = fileNameOf(m_lists.newPaths.at(i));
    m_lists.newPaths[i] = place(i, replaceAll(name, m_p.searchText, m_p.replacement), false);
  }
  return {};
}

RuleOutcome RuleRun::insert() {
  const CodePoints text = toCodePoints(m_p.insertText);
  const auto p = static_cast<size_t>(std::max(0, m_p.insertPosition));
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    const CodePoints n = toCodePoints(parts.name);
    if (n.size() < p) continue;  // too short: the entry keeps its path
    const size_t at = m_p.insertFromEnd ? n.size() - p : p;
    const CodePoints x = n.substr(0, at) + text + n.substr(at);
    m_lists.newPaths[i] = place(i, fromCodePoints(x) + parts.extension, false);
  }
  return {};
}

RuleOutcome RuleRun::cut() {
  const qsizetype m = std::max(0, m_p.cutCount);
  const qsizetype p = std::max(0, m_p.cutPosition);
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    CodePoints n = toCodePoints(parts.name);
    const auto len = static_cast<qsizetype>(n.size());
    if (!m_p.cutFromEnd) {
      if (len - p + 1 >= m) n = cutRange(n, p, p + m);
    } else if (p >= m) {
      n = cutRange(n, len - p, len - p + m);
    }
    m_lists.newPaths[i] = place(i, fromCodePoints(n) + parts.extension, false);
  }
  return {};
}

RuleOutcome RuleRun::caseChange() {
  const bool onName = m_p.caseTarget == 0 || m_p.caseTarget == 2;
  const bool onExt = m_p.caseTarget == 1 || m_p.caseTarget == 2;
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    NameParts parts = splitPath(m_lists.newPaths.at(i));
    if (onName) parts.name = changeCase(parts.name, m_p.caseKind, false);
    if (onExt) parts.extension = changeCase(parts.extension, m_p.caseKind, true);
    m_lists.newPaths[i] = place(i, parts.name + parts.extension, false);
  }
  return {};
}

RuleOutcome RuleRun::shorten() {
  const qsizetype n = std::max(0, m_p.shortenCount);
  const bool fromEnd = m_p.shortenFromEnd == 1;
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    CodePoints name = toCodePoints(parts.name);
    CodePoints ext = toCodePoints(parts.extension);
    const auto len = static_cast<qsizetype>(name.size());
    if (m_p.shortenKind == 0) {
      if (n < len) name = removeFromSide(name, n, fromEnd);
    } else if (m_p.shortenKind == 1) {
      qsizetype r = len - n;
      if (m_p.shortenTarget == 1) {
        r = len + static_cast<qsizetype>(ext.size()) - n;
        if (r >= len) r = 0;
      }
      if (r > 0) name = removeFromSide(name, r, fromEnd);
    } else {
      const qsizetype r = len - 8;
      if (r > 0) name = removeFromSide(name, r, fromEnd);
      if (ext.size() > 4) ext.resize(4);
    }
    m_lists.newPaths[i] = place(i, fromCodePoints(name) + fromCodePoints(ext), false);
  }
  return {};
}

RuleOutcome RuleRun::extension() {
  if (!m_p.changeAllExtensions && m_p.oldExtension.isEmpty()) return {Message::NoOldExtension, {}};
  if (m_p.newExtension.isEmpty()) return {Message::NoNewExtension, {}};
  const QString newExt = fromCodePoints(toCodePoints(m_p.newExtension).substr(1));
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    m_lists.newPaths[i] = place(i, parts.name + newExt, false);
  }
  return {};
}

RuleOutcome RuleRun::dateTime(const CreationTimeReader& reader) {
  QDateTime last(QDate(1899, 12, 30), QTime(0, 0));
  for (qsizetype i = 0; i < m_lists.newPaths.size(); ++i) {
    QString day, month, year, time;
    if (m_p.dateSource == 0) {
      if (reader) {
        if (auto t = reader(m_lists.oldPaths.at(i))) last = *t;
      }
      day = twoDigits(last.date().day());
      month = twoDigits(last.date().month());
      year = QString::number(last.date().year());
      time = QString::number(last.time().hour()) + u'.' + QString::number(last.time().minute()) + u'.' +
             QString::number(last.time().second());
    } else {
      const bool dayFirst = m_p.dateFormat == DateFormat::DDMMYYYY;
      day = chars(m_p.ownDate, dayFirst ? 1 : 4, 2);
      month = chars(m_p.ownDate, dayFirst ? 4 : 1, 2);
      year = chars(m_p.ownDate, 7, 4);
      time = m_p.ownTime;
    }
    QString date;
    switch (m_p.dateOrder) {
      case 1: date = month + u'-' + day + u'-' + year; break;
      case 2: date = year + u'-' + month + u'-' + day; break;
      default: date = day + u'-' + month + u'-' + year; break;
    }
    QString d;
    switch (m_p.dateArrangement) {
      case 1: d = date + u' ' + time; break;
      case 2: d = time; break;
      case 3: d = time + u' ' + date; break;
      default: d = date; break;
    }
    const NameParts parts = splitPath(m_lists.newPaths.at(i));
    const QString x = m_p.datePlacement == 0 ? d + u' ' + parts.name + parts.extension
                                             : parts.name + u' ' + d + parts.extension;
    m_lists.newPaths[i] = place(i, x, false);
  }
  return {};
}

}  // namespace

CreationTimeReader defaultCreationTimeReader() {
  return [](const QString& path) -> std::optional<QDateTime> {
    const auto times = platform::readFileTimes(path);
    if (!times) return std::nullopt;
    return times->created.toDateTime();
  };
}

bool logicalSort(QStringList& paths, QString* badName) {
  if (paths.size() <= 1) return true;
  std::vector<std::int32_t> keys;
  keys.reserve(static_cast<size_t>(paths.size()));
  for (const QString& path : paths) {
    const auto key = logicalKey(splitPath(path).name);
    if (!key) {
      if (badName) *badName = fileNameOf(path);
      return false;
    }
    keys.push_back(*key);
  }
  sortRange(keys, paths, 0, paths.size() - 1);
  return true;
}

QString advanceLetters(const QString& letters) {
  CodePoints t = toCodePoints(letters);
  for (size_t k = t.size(); k-- > 0;) {
    if (t[k] >= U'z') {
      t[k] = U'a';  // carry to the left; a carry past the first character is dropped
    } else {
      ++t[k];
      break;
    }
  }
  return fromCodePoints(t);
}

RuleOutcome applyGeneralRule(const GeneralParams& params, const Placement& placement, NameLists& lists,
                             RuleState& state, const CreationTimeReader& creationTime) {
  QString target;
  if (const Message m = checkTarget(placement, target); m != Message::None) return {m, {}};
  RuleRun run(params, lists, target, placement.mode);
  switch (params.mode) {
    case GeneralMode::NumberIndex:
    case GeneralMode::CharacterIndex:
    case GeneralMode::CompleteName: return run.counters(state);
    case GeneralMode::Replace: return run.replace();
    case GeneralMode::Insert: return run.insert();
    case GeneralMode::Cut: return run.cut();
    case GeneralMode::Case: return run.caseChange();
    case GeneralMode::Shorten: return run.shorten();
    case GeneralMode::Extension: return run.extension();
    case GeneralMode::DateTime: return run.dateTime(creationTime);
    case GeneralMode::External: break;
  }
  return {Message::UnsupportedMode, {}};
}

}  // namespace vantorim::rename
