// vantorim-cli id3: show and write the ID3 version 1 tags of MP3 files.

#include "CommandRegistry.h"
#include "CliSupport.h"

#include "core/formats/ID3Tag.h"

#include <QFileInfo>
#include <QRegularExpression>

using vantorim::formats::TID3Tag;
namespace support = vantorim::cli::support;

namespace {

const QStringList kKeys{"title", "artist", "album", "year", "comment", "track", "genre"};

// "title=A, B,artist=C" -> {title: "A, B", artist: "C"}: a comma starts a new
// assignment only when a known key follows it.
std::optional<std::vector<std::pair<QString, QString>>> parseAssignments(const QString& text) {
  static const QRegularExpression split(",(?=\\s*(?:" + kKeys.join('|') + ")=)");
  std::vector<std::pair<QString, QString>> out;
  for (const QString& part : text.split(split)) {
    const qsizetype eq = part.indexOf('=');
    const QString key = part.left(eq).trimmed().toLower();
    if (eq < 0 || !kKeys.contains(key)) {
      vantorim::cli::err() << "vantorim-cli id3: --set expects key=value pairs with the keys "
                           << kKeys.join(", ") << "; got '" << part << "'\n";
      return std::nullopt;
    }
    out.emplace_back(key, part.mid(eq + 1));
  }
  return out;
}

void apply(TID3Tag& tag, const QString& key, const QString& value) {
  if (key == "title") tag.setTitle(value);
  if (key == "artist") tag.setArtist(value);
  if (key == "album") tag.setAlbum(value);
  if (key == "year") tag.setYear(value);
  if (key == "comment") tag.setComment(value);
  if (key == "genre") tag.setGenre(value);
  if (key == "track") {
    const bool none = value.trimmed().isEmpty() || value.trimmed() == "0";
    tag.setNoTrack(none);
    tag.setTrack(none ? QStringLiteral("0") : value.trimmed());
  }
}

QJsonObject toJson(const TID3Tag& t) {
  return {{"file", t.fileName()},       {"tagPresent", t.tagPresent()},
          {"version", t.tagPresent() ? (t.noTrack() ? "1.0" : "1.1") : ""},
          {"title", t.title()},         {"artist", t.artist()},
          {"album", t.album()},         {"year", t.year()},
          {"comment", t.comment()},     {"track", t.track()},
          {"genre", t.genre()},         {"tagPosition", double(t.tagPosition())}};
}

int runId3(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Shows the ID3 version 1 tag (the last 128 bytes) of MP3 files. With --set the\n"
      "given fields are written: an existing tag is replaced in place, a file without\n"
      "a tag gets one appended; nothing else in the file changes.");
  parser.addPositionalArgument("FILE", "MP3 file (several allowed).", "FILE...");
  const QCommandLineOption set("set",
                               "Write fields, e.g. title=Song,artist=Band,track=3,genre=Rock "
                               "(keys: title, artist, album, year, comment, track, genre).",
                               "FIELDS");
  const QCommandLineOption json("json", "Print the result as JSON.");
  parser.addOptions({set, json});
  if (auto rc = support::parseArguments(parser, "id3", args)) return *rc;
  if (!support::existingPaths(parser.positionalArguments(), "id3")) return 2;
  std::vector<std::pair<QString, QString>> assignments;
  if (parser.isSet(set)) {
    auto a = parseAssignments(parser.value(set));
    if (!a) return 2;
    assignments = *a;
  }
  int rc = 0;
  QJsonArray results;
  for (const QString& path : parser.positionalArguments()) {
    TID3Tag tag;
    bool ok = tag.setFileName(path);
    if (ok && !assignments.empty()) {
      for (const auto& [k, v] : assignments) apply(tag, k, v);
      ok = tag.write() && tag.read();
    }
    if (!ok) {
      vantorim::cli::err() << "vantorim-cli id3: " << tag.error() << '\n';
      rc = 2;
      if (parser.isSet(json)) results.append(QJsonObject{{"file", path}, {"error", tag.error()}});
      continue;
    }
    if (parser.isSet(json)) {
      results.append(toJson(tag));
      continue;
    }
    auto& o = vantorim::cli::out();
    o << path << '\n';
    if (!tag.tagPresent()) {
      o << "  no ID3v1 tag\n";
      continue;
    }
    o << "  Version: " << (tag.noTrack() ? "1.0" : "1.1") << '\n'
      << "  Title:   " << tag.title() << '\n'
      << "  Artist:  " << tag.artist() << '\n'
      << "  Album:   " << tag.album() << '\n'
      << "  Year:    " << tag.year() << '\n'
      << "  Comment: " << tag.comment() << '\n'
      << "  Track:   " << tag.track() << '\n'
      << "  Genre:   " << tag.genre() << '\n';
  }
  if (parser.isSet(json)) support::printJson({{"files", results}});
  return rc;
}

[[maybe_unused]] const bool registered = vantorim::cli::registerCommand(
    {"id3", "show or write the ID3 version 1 tags of MP3 files", &runId3});

}  // namespace
