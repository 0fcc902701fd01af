#include "CliSupport.h"

#include "CommandRegistry.h"

#include "core/app/Settings.h"
#include "core/platform/SpecialFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

namespace vantorim::cli::support {

std::optional<int> parseArguments(QCommandLineParser& parser, const QString& name,
                                  const QStringList& args) {
  const QCommandLineOption help({"h", "help"}, "Show this help.");
  parser.addOption(help);
  if (!parser.parse(QStringList{"vantorim-cli " + name} + args)) {
    err() << "vantorim-cli " << name << ": " << parser.errorText() << '\n';
    return 2;
  }
  if (parser.isSet(help)) {
    QString text = parser.helpText();
    const qsizetype cut = text.indexOf(" [options]");
    if (text.startsWith("Usage: ") && cut > 0) text.replace(7, cut - 7, "vantorim-cli " + name);
    out() << text;
    return 0;
  }
  return std::nullopt;
}

StoredChoices storedChoices() {
  const app::Settings s = app::SettingsStore().readAll();
  QString work = s.Arbeitsverzeichnis.isEmpty() ? platform::defaultWorkingDirectory() : s.Arbeitsverzeichnis;
  if (!work.endsWith('/')) work += '/';
  return {work, s.Protokolldatei, s.language() == app::lgEnglish};
}

std::optional<QStringList> existingFolders(const QStringList& paths) {
  QStringList out;
  for (const QString& p : paths) {
    const QFileInfo info(p);
    if (!info.isDir()) {
      err() << "vantorim-cli: not a folder: " << p << '\n';
      return std::nullopt;
    }
    out << QDir::cleanPath(info.absoluteFilePath());
  }
  return out;
}

bool existingPaths(const QStringList& paths, const QString& name) {
  if (paths.isEmpty()) {
    err() << "vantorim-cli " << name << ": give at least one file or folder; see --help\n";
    return false;
  }
  for (const QString& p : paths) {
    if (!QFileInfo::exists(p)) {
      err() << "vantorim-cli " << name << ": not found: " << p << '\n';
      return false;
    }
  }
  return true;
}

QJsonArray problemsToJson(const std::vector<vantorim::garbage::ItemProblem>& problems) {
  QJsonArray a;
  for (const auto& p : problems) a.append(QJsonObject{{"path", p.path}, {"reason", p.reason}});
  return a;
}

void printProblems(const std::vector<vantorim::garbage::ItemProblem>& problems) {
  for (const auto& p : problems) err() << "skipped: " << p.path << ": " << p.reason << '\n';
}

void printJson(const QJsonObject& object) {
  out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

}  // namespace vantorim::cli::support
