// vantorim-cli find: searches files and folders with the search engine.

#include "CommandRegistry.h"

#include "core/search/FindFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <optional>

using namespace vantorim::search;

namespace {

const char* const kHelp =
    "Usage: vantorim-cli find [options] [FOLDER...]\n"
    "Searches the folders (default: the working folder) and prints one path per line.\n"
    "A folder written as \"<FOLDER\" is searched without its subfolders, \">FOLDER\" with them.\n\n"
    "  -n, --name MASKS           name masks separated by \";\" (default \"*\"); \"?\" is one\n"
    "                             character, \"*\" any run; case is ignored\n"
    "  -i, --include FOLDER/MASK  also search FOLDER for MASK (\"<\" and \">\" work here too)\n"
    "  -x, --exclude MASK         never report paths matching MASK: \"*.tmp\", \"build/\",\n"
    "                             \"/abs/folder/*.o\", \"*/cache/*\" (repeatable)\n"
    "      --no-recursive         do not enter subfolders (\">\" folders still do)\n"
    "      --min-level N          report from this depth on (the folder itself is 1)\n"
    "      --max-level N          enter folders down to this depth (0: no limit)\n"
    "  -a, --attributes SET       letters of allowed attributes: r read-only, h hidden,\n"
    "                             s system, a archive, d folder (default \"rhsa\": no folders)\n"
    "  -e, --exact                attributes must equal SET exactly\n"
    "      --modified-after T     T is a date (2024-05-10), a time of day (18:30[:00])\n"
    "      --modified-before T    or both (2024-05-10T18:30); local time; bounds inclusive\n"
    "      --created-after T, --created-before T, --accessed-after T, --accessed-before T\n"
    "      --min-size N           at least N bytes (suffix k, M, G for 1024 multiples)\n"
    "      --max-size N           at most N bytes\n"
    "  -c, --contains PHRASE      files containing PHRASE (case ignored for A-Z)\n"
    "      --case-sensitive       compare PHRASE exactly\n"
    "  -w, --whole-word           PHRASE must stand as a whole word\n"
    "  -0, --null                 end each path with NUL instead of a line break\n"
    "      --json                 print entries with size, attributes and times as JSON\n"
    "Exit status: 0 when something was found, 1 when nothing, 2 on error.\n";

std::optional<double> parseTimeBound(const QString& text) {
  const QString t = text.trimmed();
  if (const QDate d = QDate::fromString(t, Qt::ISODate); d.isValid()) return dateNumber(d);
  for (const char* f : {"HH:mm", "HH:mm:ss", "H:mm", "H:mm:ss"})
    if (const QTime tm = QTime::fromString(t, QString::fromLatin1(f)); tm.isValid()) {
      // A time-only bound must stay above 0, which means "no bound".
      return tm.msecsSinceStartOfDay() == 0 ? 1e-9 : timeNumber(tm);
    }
  QString full = t;
  full.replace(' ', 'T');
  if (const QDateTime dt = QDateTime::fromString(full, Qt::ISODate); dt.isValid()) {
    const double v = dateTimeNumber(dt);
    // A full bound at midnight would read as a date only; nudge it to keep its meaning.
    return v == std::floor(v) ? v + 1e-9 : v;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> parseSize(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^\\s*(\\d+)\\s*([kKmMgGtT]?)[bB]?\\s*$"));
  const auto m = re.match(text);
  if (!m.hasMatch()) return std::nullopt;
  bool ok = false;
  std::uint64_t v = m.captured(1).toULongLong(&ok);
  if (!ok) return std::nullopt;
  const QChar unit = m.captured(2).isEmpty() ? QChar() : m.captured(2).at(0).toLower();
  const int shift = unit == 'k' ? 10 : unit == 'm' ? 20 : unit == 'g' ? 30 : unit == 't' ? 40 : 0;
  if (shift && v > (~std::uint64_t(0) >> shift)) return std::nullopt;
  return v << shift;
}

std::optional<std::uint32_t> parseAttributes(const QString& text) {
  std::uint32_t bits = 0;
  for (QChar c : text.toLower()) {
    switch (c.unicode()) {
      case 'r': bits |= ffReadonly; break;
      case 'h': bits |= ffHidden; break;
      case 's': bits |= ffSystem; break;
      case 'a': bits |= ffArchive; break;
      case 'd': bits |= ffDirectory; break;
      case '-': break;  // "-" alone: no attribute at all
      default: return std::nullopt;
    }
  }
  return bits;
}

QString attributeLetters(std::uint32_t bits) {
  QString s;
  s += bits & ffReadonly ? 'r' : '-';
  s += bits & ffHidden ? 'h' : '-';
  s += bits & ffSystem ? 's' : '-';
  s += bits & ffArchive ? 'a' : '-';
  s += bits & ffDirectory ? 'd' : '-';
  return s;
}

const char* kindName(vantorim::platform::EntryKind k) {
  switch (k) {
    case vantorim::platform::EntryKind::File: return "file";
    case vantorim::platform::EntryKind::Folder: return "folder";
    case vantorim::platform::EntryKind::Symlink: return "symlink";
    case vantorim::platform::EntryKind::Other: return "other";
  }
  return "other";
}

// Local time with its offset, so the text is unambiguous.
QString isoLocal(const QDateTime& utc) {
  if (!utc.isValid()) return {};
  const QDateTime local = utc.toLocalTime();
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QJsonObject toJson(const TFileInfo& i) {
  QJsonObject o;
  o["path"] = i.Path;
  o["name"] = i.Name;
  o["kind"] = kindName(i.Kind);
  o["size"] = double(i.Size);
  o["attributes"] = attributeLetters(i.Attributes);
  o["modified"] = isoLocal(i.LastWrite);
  o["accessed"] = isoLocal(i.LastAccess);
  o["created"] = isoLocal(i.Created);
  o["level"] = i.Level;
  return o;
}

int usageError(const QString& message) {
  vantorim::cli::err() << "vantorim-cli find: " << message << "\nSee 'vantorim-cli find --help'.\n";
  return 2;
}

int runFind(const QStringList& args) {
  TSearchCriteria c;
  c.Files.FileName = QStringLiteral("*");
  QStringList locations;
  bool nul = false, json = false;
  std::uint32_t attributes = c.Attribute.Attributes;

  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&](QString& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    QString v;
    if (a == "--help" || a == "-h") {
      vantorim::cli::out() << kHelp;
      return 0;
    } else if (a == "-n" || a == "--name") {
      if (!value(v)) return usageError(a + " needs masks");
      c.Files.FileName = v;
    } else if (a == "-i" || a == "--include") {
      if (!value(v)) return usageError(a + " needs FOLDER/MASK");
      c.Files.Included << v;
    } else if (a == "-x" || a == "--exclude") {
      if (!value(v)) return usageError(a + " needs a mask");
      c.Files.Excluded << v;
    } else if (a == "--no-recursive") {
      c.Files.Subfolders = false;
    } else if (a == "--min-level" || a == "--max-level") {
      bool ok = false;
      if (!value(v)) return usageError(a + " needs a number");
      const uint n = v.toUInt(&ok);
      if (!ok || n > 65535) return usageError("not a level from 0 to 65535: " + v);
      (a == "--min-level" ? c.Files.MinLevel : c.Files.MaxLevel) = std::uint16_t(n);
    } else if (a == "-a" || a == "--attributes") {
      if (!value(v)) return usageError(a + " needs letters");
      const auto bits = parseAttributes(v);
      if (!bits) return usageError("attribute letters are r, h, s, a and d: " + v);
      attributes = *bits;
    } else if (a == "-e" || a == "--exact") {
      c.Attribute.ExactMatch = true;
    } else if (a.startsWith("--modified-") || a.startsWith("--created-") || a.startsWith("--accessed-")) {
      TDateTimeCriteria& t = c.TimeStamp;
      double* bound = a == "--modified-after"    ? &t.ModifiedAfter
                      : a == "--modified-before" ? &t.ModifiedBefore
                      : a == "--created-after"   ? &t.CreatedAfter
                      : a == "--created-before"  ? &t.CreatedBefore
                      : a == "--accessed-after"  ? &t.AccessedAfter
                      : a == "--accessed-before" ? &t.AccessedBefore
                                                 : nullptr;
      if (!bound) return usageError("unknown option " + a);
      if (!value(v)) return usageError(a + " needs a date or time");
      const auto n = parseTimeBound(v);
      if (!n) return usageError("not a date (2024-05-10), time (18:30) or both: " + v);
      *bound = *n;
    } else if (a == "--min-size" || a == "--max-size") {
      if (!value(v)) return usageError(a + " needs a size");
      const auto n = parseSize(v);
      if (!n) return usageError("not a size: " + v);
      (a == "--min-size" ? c.Size.Min : c.Size.Max) = *n;
    } else if (a == "-c" || a == "--contains") {
      if (!value(v) || v.isEmpty()) return usageError(a + " needs a phrase");
      c.Content.Phrase = v;
    } else if (a == "--case-sensitive") {
      c.Content.IgnoreCase = false;
    } else if (a == "-w" || a == "--whole-word") {
      c.Content.WholeWord = true;
    } else if (a == "-0" || a == "--null") {
      nul = true;
    } else if (a == "--json") {
      json = true;
    } else if (a == "--") {
      locations << args.mid(i + 1);
      break;
    } else if (a.startsWith('-') && a.size() > 1) {
      return usageError("unknown option " + a);
    } else {
      locations << a;
    }
  }
  if (locations.isEmpty() && c.Files.Included.isEmpty()) locations << QStringLiteral(".");
  for (const QString& l : locations)
    if (l.contains(';')) return usageError("give folders as separate arguments: " + l);
  c.Files.Location = locations.join(';');
  c.Attribute.Attributes = attributes;

  TFindFile engine;
  engine.Criteria = c;
  engine.Details = json;
  QJsonArray entries;
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  const char end = nul ? '\0' : '\n';
  engine.OnFileMatch = [&](TFindFile&, const QString&, const TFileInfo& info) {
    if (json) {
      entries.append(toJson(info));
      return;
    }
    const QByteArray path = info.Path.toUtf8();
    std::fwrite(path.constData(), 1, std::size_t(path.size()), stdout);
    std::fputc(end, stdout);
  };
  engine.Execute();
  if (json) {
    const QByteArray text = QJsonDocument(entries).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
  }
  std::fflush(stdout);
  const QStringList errors = engine.Errors();
  for (const QString& e : errors) vantorim::cli::err() << "vantorim-cli find: " << e << '\n';
  if (!errors.isEmpty()) return 2;
  return engine.FilesFound() > 0 ? 0 : 1;
}

const bool registered = vantorim::cli::registerCommand(
    {"find", "search files by name, place, time, size and content", &runFind});

}  // namespace
