// vantorim-cli rename: the file rename engine from the command line.

#include "CliSupport.h"
#include "CommandRegistry.h"

#include "core/app/Settings.h"
#include "core/rename/Gathering.h"
#include "core/rename/GeneralRules.h"
#include "core/rename/NameText.h"
#include "core/rename/RenameRun.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

using namespace vantorim::rename;
using vantorim::cli::err;
using vantorim::cli::out;

namespace {

struct Choice {
  const char* name;
  int value;
};

std::optional<int> pick(const QString& text, std::initializer_list<Choice> choices, const char* what) {
  for (const Choice& c : choices)
    if (text == QLatin1String(c.name) || text == QString::number(c.value)) return c.value;
  QStringList names;
  for (const Choice& c : choices) names << c.name;
  err() << "vantorim-cli rename: unknown " << what << " '" << text << "' (one of " << names.join(", ") << ")\n";
  return std::nullopt;
}

std::optional<int> number(const QString& text, int lo, int hi, const char* what) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < lo || v > hi) {
    err() << "vantorim-cli rename: " << what << " must be a number from " << lo << " to " << hi << ", not '"
          << text << "'\n";
    return std::nullopt;
  }
  return v;
}

// Files of a folder, sorted by name (the order a file list would show).
QStringList filesOf(const QString& folder) {
  QStringList out;
  const QDir dir(folder);
  for (const QFileInfo& fi : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
    out << fi.absoluteFilePath();
  return out;
}

int runRenameCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Builds new names for files and renames, moves or copies them; never replaces a file.\n"
      "Renames and moves are written to the operation log, which --undo reads back.\n\n"
      "Modes: number (counter), letters (letter index), complete (base name + existing name),\n"
      "replace, insert, cut, case, shorten, extension, date.\n\n"
      "Examples:\n"
      "  vantorim-cli rename --mode number --base Bild --digits 3 --start 1 --preview *.jpg\n"
      "  vantorim-cli rename -r --filter '*.mp3|*.mp+' --mode case --case words Music\n"
      "  vantorim-cli rename --undo");
  parser.addPositionalArgument("PATH", "Files; or one folder (its files; with -r the whole tree).", "PATH...");
  const QCommandLineOption mode("mode", "Rename mode (name or 0-9).", "MODE", "number");
  const QCommandLineOption recursive({"r", "recursive"}, "Walk the given folder and its sub-folders.");
  const QCommandLineOption filter("filter", "File patterns for -r, separated by '|'.", "PATTERNS", "*.*");
  const QCommandLineOption logical("logical-sort", "Number and letter modes: order by the first number in the names.");
  const QCommandLineOption base("base", "Base name (number, letters, complete).", "TEXT");
  const QCommandLineOption digits("digits", "Counter digits 1-9.", "N", "1");
  const QCommandLineOption start("start", "Counter start value.", "N", "0");
  const QCommandLineOption step("step", "Counter step 1-1000.", "N", "1");
  const QCommandLineOption letters("letters", "Letter start value.", "TEXT", "a");
  const QCommandLineOption extCase("ext-case", "Counter modes: extension keep, upper, lower.", "CASE", "keep");
  const QCommandLineOption indexAt("index-at", "Counter place: end, start.", "PLACE", "end");
  const QCommandLineOption complete("complete", "Complete mode: base or number before the name.", "KIND", "base");
  const QCommandLineOption search("search", "Replace: text to look for (exact case).", "TEXT");
  const QCommandLineOption replace("replace", "Replace: new text.", "TEXT");
  const QCommandLineOption text("text", "Insert: text to insert.", "TEXT");
  const QCommandLineOption position("position", "Insert and cut: position 0-255.", "N", "0");
  const QCommandLineOption count("count", "Cut and shorten: number of characters 0-255.", "N", "0");
  const QCommandLineOption fromEnd("from-end", "Insert, cut, shorten: count from the end of the name.");
  const QCommandLineOption caseKind("case", "Case: capitalize, words, upper, lower, invert.", "KIND", "capitalize");
  const QCommandLineOption applyTo("apply-to", "Case: name, ext, both; shorten to: name, name+ext.", "PART", "name");
  const QCommandLineOption shortenKind("shorten", "Shorten: by, to, 8.3.", "KIND", "by");
  const QCommandLineOption oldExt("old-ext", "Extension: old extension as *.ext.", "PATTERN");
  const QCommandLineOption newExt("new-ext", "Extension: new extension as *.ext.", "PATTERN");
  const QCommandLineOption allExt("all-ext", "Extension: change the extension of every file.");
  const QCommandLineOption dateSource("date-source", "Date: created or own.", "SOURCE", "created");
  const QCommandLineOption ownDate("date", "Date: own date as DD/MM/YYYY (MM/DD/YYYY with --mdy).", "DATE");
  const QCommandLineOption mdy("mdy", "Date: the own date is month first.");
  const QCommandLineOption ownTime("time", "Date: own time text.", "TIME");
  const QCommandLineOption arrange("arrange", "Date: date, date+time, time, time+date.", "KIND", "date");
  const QCommandLineOption order("order", "Date: dmy, mdy, ymd.", "ORDER", "dmy");
  const QCommandLineOption place("place", "Date: before or behind the name.", "PLACE", "before");
  const QCommandLineOption target("target", "rename (in place), move or copy.", "KIND", "rename");
  const QCommandLineOption dest("dest", "Destination folder for move and copy.", "DIR");
  const QCommandLineOption preview("preview", "Only print old and new names side by side.");
  const QCommandLineOption log("log", "Operation log file (default: the program's log).", "FILE");
  const QCommandLineOption undo("undo", "Rename the files of the log back.");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({mode, recursive, filter, logical, base, digits, start, step, letters, extCase, indexAt,
                     complete, search, replace, text, position, count, fromEnd, caseKind, applyTo, shortenKind,
                     oldExt, newExt, allExt, dateSource, ownDate, mdy, ownTime, arrange, order, place, target, dest,
                     preview, log, undo, json});
  if (const auto done = vantorim::cli::support::parseArguments(parser, "rename", args)) return *done;
  // The program's own log, so that the program can undo what this command did and back.
  const QString logPath = parser.isSet(log) ? parser.value(log) : vantorim::cli::support::storedChoices().protocolPath();

  if (parser.isSet(undo)) {
    const UndoResult u = undoRename(logPath);
    if (parser.isSet(json)) {
      out() << QJsonDocument(QJsonObject{{"log", logPath}, {"logRead", u.logRead}, {"restored", double(u.restored)},
                                         {"failed", double(u.failed)}})
                   .toJson();
    } else {
      if (!u.logRead) err() << "no log at " << logPath << "; nothing undone\n";
      err() << u.restored << " restored, " << u.failed << " could not be restored\n";
    }
    return u.logRead ? 0 : 1;
  }

  // Parameters
  GeneralParams p;
  const auto m = pick(parser.value(mode), {{"number", 0}, {"letters", 1}, {"complete", 2}, {"replace", 3},
                                           {"insert", 4}, {"cut", 5}, {"case", 6}, {"shorten", 7},
                                           {"extension", 8}, {"date", 9}}, "mode");
  const auto d = number(parser.value(digits), 1, 9, "--digits");
  const auto st = number(parser.value(step), 1, 1000, "--step");
  const auto pos = number(parser.value(position), 0, 255, "--position");
  const auto cnt = number(parser.value(count), 0, 255, "--count");
  const auto ec = pick(parser.value(extCase), {{"keep", 0}, {"upper", 1}, {"lower", 2}}, "--ext-case");
  const auto ia = pick(parser.value(indexAt), {{"end", 0}, {"start", 1}}, "--index-at");
  const auto cv = pick(parser.value(complete), {{"base", 0}, {"number", 1}}, "--complete");
  const auto ck = pick(parser.value(caseKind),
                       {{"capitalize", 0}, {"words", 1}, {"upper", 2}, {"lower", 3}, {"invert", 4}}, "--case");
  const auto sk = pick(parser.value(shortenKind), {{"by", 0}, {"to", 1}, {"8.3", 2}}, "--shorten");
  const auto ds = pick(parser.value(dateSource), {{"created", 0}, {"own", 1}}, "--date-source");
  const auto ar = pick(parser.value(arrange), {{"date", 0}, {"date+time", 1}, {"time", 2}, {"time+date", 3}},
                       "--arrange");
  const auto od = pick(parser.value(order), {{"dmy", 0}, {"mdy", 1}, {"ymd", 2}}, "--order");
  const auto pl = pick(parser.value(place), {{"before", 0}, {"behind", 1}}, "--place");
  const auto tg = pick(parser.value(target), {{"rename", 0}, {"move", 1}, {"copy", 2}}, "--target");
  if (!m || !d || !st || !pos || !cnt || !ec || !ia || !cv || !ck || !sk || !ds || !ar || !od || !pl || !tg) return 2;
  p.mode = static_cast<GeneralMode>(*m);
  p.logicalSorting = parser.isSet(logical);
  p.baseName = parser.value(base);
  p.digits = *d;
  p.startValue = parser.value(start);
  p.step = *st;
  p.startLetters = parser.value(letters);
  p.extensionCase = *ec;
  p.indexPlace = *ia;
  p.completeVariant = *cv;
  p.searchText = parser.value(search);
  p.replacement = parser.value(replace);
  p.insertText = parser.value(text);
  p.insertPosition = p.cutPosition = *pos;
  p.insertFromEnd = p.cutFromEnd = p.shortenFromEnd = parser.isSet(fromEnd) ? 1 : 0;
  p.cutCount = p.shortenCount = *cnt;
  p.caseKind = *ck;
  const QString part = parser.value(applyTo);
  p.caseTarget = part == "ext" ? 1 : part == "both" ? 2 : 0;
  p.shortenTarget = part == "name+ext" ? 1 : 0;
  p.shortenKind = *sk;
  p.oldExtension = parser.value(oldExt);
  p.newExtension = parser.value(newExt);
  p.changeAllExtensions = parser.isSet(allExt);
  p.dateSource = *ds;
  p.ownDate = parser.value(ownDate);
  p.ownTime = parser.value(ownTime);
  p.dateFormat = parser.isSet(mdy) ? DateFormat::MMDDYYYY : DateFormat::DDMMYYYY;
  p.dateArrangement = *ar;
  p.dateOrder = *od;
  p.datePlacement = *pl;
  const Placement placement{static_cast<TargetMode>(*tg), parser.value(dest)};

  // Files
  const QStringList paths = parser.positionalArguments();
  if (paths.isEmpty()) {
    err() << "vantorim-cli rename: give files or a folder; see --help\n";
    return 2;
  }
  GatherRequest req;
  if (parser.isSet(recursive)) {
    if (paths.size() != 1 || !QFileInfo(paths.first()).isDir()) {
      err() << "vantorim-cli rename: -r needs exactly one folder\n";
      return 2;
    }
    req.source = GatherSource::Recursive;
    req.currentFolder = QFileInfo(paths.first()).absoluteFilePath();
    req.patterns = splitFilePatterns(parser.value(filter));
  } else if (paths.size() == 1 && QFileInfo(paths.first()).isDir() && !paths.first().endsWith(".zip", Qt::CaseInsensitive)) {
    req.source = GatherSource::FileList;
    req.fileListAttached = true;
    req.fileList = filesOf(paths.first());
  } else {
    for (const QString& path : paths) {
      const QFileInfo fi(path);
      if (!fi.exists() && !fi.isSymLink()) {
        err() << "vantorim-cli rename: no such file: " << path << '\n';
        return 2;
      }
      req.marked.append({fi.absoluteFilePath(), fi.isDir()});
    }
  }
  GatherResult gathered = gatherFiles(req);
  if (!gathered.ok) {
    err() << "vantorim-cli rename: " << messageText(gathered.message) << '\n';
    return 1;
  }
  NameLists lists = std::move(gathered.lists);
  RuleState state;
  const RuleOutcome outcome = applyGeneralRule(p, placement, lists, state);
  if (outcome.message != Message::None) {
    err() << "vantorim-cli rename: " << messageText(outcome.message, outcome.messageArg).replace('\n', ' ') << '\n';
    if (outcome.aborted()) return 2;
  }

  if (parser.isSet(preview)) {
    if (parser.isSet(json)) {
      QJsonArray rows;
      for (qsizetype i = 0; i < lists.oldPaths.size(); ++i)
        rows.append(QJsonObject{{"old", lists.oldPaths[i]}, {"new", lists.newPaths[i]}});
      out() << QJsonDocument(rows).toJson();
    } else {
      qsizetype width = 0;
      for (const QString& o : lists.oldPaths) width = std::max(width, characterCount(fileNameOf(o)));
      for (qsizetype i = 0; i < lists.oldPaths.size(); ++i) {
        const QString o = fileNameOf(lists.oldPaths[i]);
        out() << o << QString(width - characterCount(o), ' ') << "  ->  " << fileNameOf(lists.newPaths[i]) << '\n';
      }
    }
    return 0;
  }

  RunRequest run{lists.oldPaths, lists.newPaths, placement.mode, logPath};
  run.onFailure = [](const RunFailure& f) {
    err() << "failed: " << f.oldPath << " -> " << f.newPath << ": " << f.reason << '\n';
  };
  const RunResult r = runRename(run);
  if (!r.logWritten) err() << messageText(Message::LogNotWritten, logPath).replace('\n', ' ') << " (" << r.logError << ")\n";
  if (parser.isSet(json)) {
    QJsonArray failures;
    for (const RunFailure& f : r.failures)
      failures.append(QJsonObject{{"old", f.oldPath}, {"new", f.newPath}, {"reason", f.reason}});
    out() << QJsonDocument(QJsonObject{{"done", double(r.done)}, {"unchanged", double(r.unchanged)},
                                       {"failures", failures}, {"log", logPath}, {"logWritten", r.logWritten},
                                       {"undoPossible", r.undoPossible}})
                 .toJson();
  } else {
    err() << r.done << " done, " << r.unchanged << " unchanged, " << r.failures.size() << " failed"
          << (r.undoPossible ? "; undo with --undo" : "; cannot be undone") << '\n';
  }
  return r.failures.isEmpty() && r.logWritten ? 0 : 2;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"rename", "build new file names (counters, replace, case, dates...), preview, rename, undo",
     &runRenameCommand});

}  // namespace
