#include "core/app/Settings.h"

#include "core/platform/SpecialFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace vantorim::app {

namespace {

constexpr char kHeader[] = "Windows Registry Editor Version 5.00";
constexpr char kRoot[] = "HKEY_CURRENT_USER";

enum ValueType { TypeString = 0, TypeDword = 1, TypeOther = 2 };

struct Value {
  QString name;  // "@" for the default value
  ValueType type = TypeString;
  QString text;         // TypeString: the text; TypeOther: everything after '='
  std::uint32_t dword = 0;
};

struct Section {
  QString path;
  QList<Value> values;

  // Replaces the value of that name (names ignore case) or appends it.
  void set(const Value& v) {
    for (Value& old : values)
      if (old.name.compare(v.name, Qt::CaseInsensitive) == 0) {
        old = v;
        return;
      }
    values.push_back(v);
  }
};

QString keyPath(const QString& subKey) {
  QString path = QString::fromLatin1(kRoot) + QString::fromLatin1(keys::Key);
  if (!subKey.isEmpty()) path += '\\' + subKey;
  return path;
}

// Reads a quoted string starting at text[pos] == '"'; handles \\ and \" escapes.
std::optional<QString> readQuoted(const QString& text, qsizetype& pos) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  QString out;
  for (++pos; pos < text.size(); ++pos) {
    const QChar c = text[pos];
    if (c == '\\') {
      if (pos + 1 >= text.size()) return std::nullopt;
      out += text[++pos];
    } else if (c == '"') {
      ++pos;
      return out;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

QString quote(const QString& s) {
  QString out;
  out.reserve(s.size() + 2);
  out += '"';
  for (const QChar c : s) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

bool parseValueLine(const QString& line, Value& v) {
  qsizetype pos = 0;
  if (line.startsWith('@')) {
    v.name = QStringLiteral("@");
    pos = 1;
  } else {
    auto name = readQuoted(line, pos);
    if (!name) return false;
    v.name = *name;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  const QString rest = line.mid(pos);
  if (rest.startsWith('"')) {
    qsizetype p = 0;
    auto text = readQuoted(rest, p);
    if (!text || p != rest.size()) return false;
    v.type = TypeString;
    v.text = *text;
    return true;
  }
  if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
    const QString hex = rest.mid(6);
    if (hex.size() != 8) return false;
    bool ok = false;
    const uint value = hex.toUInt(&ok, 16);
    if (!ok) return false;
    v.type = TypeDword;
    v.dword = value;
    return true;
  }
  if (rest.startsWith(QLatin1String("hex"), Qt::CaseInsensitive) || rest == QLatin1String("-")) {
    v.type = TypeOther;
    v.text = rest;
    return true;
  }
  return false;
}

QString decodeStoreBytes(const QByteArray& bytes, bool& ok) {
  ok = true;
  if (bytes.startsWith("\xFF\xFE")) {
    QStringDecoder dec(QStringDecoder::Utf16LE);
    QString s = dec.decode(bytes.mid(2));
    ok = !dec.hasError();
    return s;
  }
  QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString s = dec.decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
  ok = !dec.hasError();
  return s;
}

QString withTrailingSlash(QString folder) {
  if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
  return folder;
}

}  // namespace

struct SettingsStore::Document {
  QList<Section> sections;

  Section* find(const QString& path) {
    for (Section& s : sections)
      if (s.path.compare(path, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
  }
  Section& ensure(const QString& path) {
    if (Section* s = find(path)) return *s;
    sections.push_back({path, {}});
    return sections.back();
  }
  const Value* value(const QString& name, const QString& subKey) {
    Section* s = find(keyPath(subKey));
    if (!s) return nullptr;
    for (const Value& v : s->values)
      if (v.name.compare(name, Qt::CaseInsensitive) == 0) return &v;
    return nullptr;
  }
  std::optional<QString> string(const QString& name, const QString& subKey = {}) {
    const Value* v = value(name, subKey);
    if (!v || v->type != TypeString) return std::nullopt;
    return v->text;
  }
  std::optional<std::uint32_t> dword(const QString& name, const QString& subKey = {}) {
    const Value* v = value(name, subKey);
    if (!v || v->type != TypeDword) return std::nullopt;
    return v->dword;
  }

  // Parses the text; false when it is not a registry export we understand.
  bool parse(const QString& text) {
    QStringList lines = text.split('\n');
    for (QString& l : lines)
      if (l.endsWith('\r')) l.chop(1);
    qsizetype i = 0;
    while (i < lines.size() && lines[i].trimmed().isEmpty()) ++i;
    if (i >= lines.size() || lines[i].trimmed() != QLatin1String(kHeader)) return false;
    Section* current = nullptr;
    for (++i; i < lines.size(); ++i) {
      QString line = lines[i].trimmed();
      if (line.isEmpty() || line.startsWith(';')) continue;
      if (line.startsWith('[')) {
        if (!line.endsWith(']') || line.size() < 3) return false;
        current = &ensure(line.mid(1, line.size() - 2));
        continue;
      }
      if (!current) return false;
      // Binary values continue on following lines ending in '\'.
      while (line.endsWith('\\') && !line.endsWith('"') && line.contains(QLatin1String("=hex")) &&
             i + 1 < lines.size()) {
        line.chop(1);
        line = (line + lines[++i].trimmed()).trimmed();
      }
      // A continuation with nothing after it would swallow the next line once written.
      while (line.endsWith('\\') && line.contains(QLatin1String("=hex"))) {
        line.chop(1);
        line = line.trimmed();
      }
      Value v;
      if (!parseValueLine(line, v)) return false;
      current->set(v);
    }
    return true;
  }

  QByteArray serialize() const {
    QString out = QString::fromLatin1(kHeader) + QStringLiteral("\r\n\r\n");
    for (const Section& s : sections) {
      out += '[' + s.path + QStringLiteral("]\r\n");
      for (const Value& v : s.values) {
        out += v.name == QLatin1String("@") ? QStringLiteral("@") : quote(v.name);
        out += '=';
        switch (v.type) {
          case TypeString: out += quote(v.text); break;
          case TypeDword: out += QStringLiteral("dword:%1").arg(v.dword, 8, 16, QChar('0')); break;
          case TypeOther: out += v.text; break;
        }
        out += QStringLiteral("\r\n");
      }
      out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
  }
};

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

std::optional<QByteArray> SettingsStore::normalizedText(const QByteArray& bytes) {
  bool ok = false;
  const QString text = decodeStoreBytes(bytes, ok);
  Document doc;
  if (!ok || !doc.parse(text)) return std::nullopt;
  return doc.serialize();
}

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty() || !QDir::isAbsolutePath(config)) config = QDir::homePath() + "/.config";
  return config + "/Belvantic/Vantorim.reg";
}

bool SettingsStore::load(Document& doc) {
  doc.sections.clear();
  QFile file(m_filePath);
  bool damaged = false;
  bool existed = file.exists();
  if (existed) {
    if (!file.open(QIODevice::ReadOnly)) {
      m_lastError = file.errorString();
      return false;  // unreadable: defaults, and never overwrite what we cannot read
    }
    bool ok = false;
    const QString text = decodeStoreBytes(file.readAll(), ok);
    file.close();
    damaged = !ok || !doc.parse(text);
  }
  if (damaged) {
    // Keep the damaged file beside the new one; never lose it silently.
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    QString backup = m_filePath + ".damaged-" + stamp;
    for (int n = 1; QFileInfo::exists(backup); ++n)
      backup = m_filePath + ".damaged-" + stamp + '-' + QString::number(n);
    if (!QFile::rename(m_filePath, backup)) {
      m_lastError = QStringLiteral("cannot keep the damaged settings file %1").arg(m_filePath);
      doc.sections.clear();
      return false;
    }
    m_backupPath = backup;
    doc.sections.clear();
    existed = false;
  }
  if (!existed || !doc.find(keyPath({}))) {
    doc.ensure(keyPath({}));
    save(doc);  // the key exists from the first open on
  }
  return true;
}

bool SettingsStore::save(const Document& doc) {
  const QFileInfo info(m_filePath);
  if (!QDir().mkpath(info.absolutePath())) {
    m_lastError = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    return false;
  }
  QSaveFile file(m_filePath);
  if (!file.open(QIODevice::WriteOnly)) {
    m_lastError = file.errorString();
    return false;
  }
  const QByteArray bytes = doc.serialize();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    m_lastError = file.errorString();
    return false;
  }
  m_lastError.clear();
  return true;
}

Settings SettingsStore::readAll() {
  Document doc;
  load(doc);
  Settings s;
  const auto str = [&](const char* name) { return doc.string(QString::fromLatin1(name)).value_or(QString()); };
  const auto integer = [&](const char* name, std::int32_t def) {
    const auto v = doc.dword(QString::fromLatin1(name));
    return v ? static_cast<std::int32_t>(*v) : def;
  };
  const auto boolean = [&](const char* name, bool def) {
    const auto v = doc.dword(QString::fromLatin1(name));
    return v ? *v != 0 : def;
  };
  s.Arbeitsverzeichnis = str(keys::Arbeitsverzeichnis);
  if (s.Arbeitsverzeichnis.isEmpty()) s.Arbeitsverzeichnis = platform::defaultWorkingDirectory();
  s.Arbeitsverzeichnis = withTrailingSlash(s.Arbeitsverzeichnis);
  s.StartverzeichnisLinks = withTrailingSlash(str(keys::StartverzeichnisLinks));
  s.StartverzeichnisRechts = withTrailingSlash(str(keys::StartverzeichnisRechts));
  s.Protokolldatei = str(keys::Protokolldatei);
  if (s.Protokolldatei.isEmpty()) s.Protokolldatei = QStringLiteral("Protokoll.txt");
  s.Startwert = integer(keys::Startwert, 1);
  s.Sprache = integer(keys::Sprache, 0);
  s.Sprachwahl = boolean(keys::Sprachwahl, true);
  s.Datum = integer(keys::Datum, 0);
  s.Zeit = integer(keys::Zeit, 0);
  s.ShowHidden = boolean(keys::ShowHidden, false);
  s.ThumbLinks = boolean(keys::ThumbLinks, true);
  s.ThumbRechts = boolean(keys::ThumbRechts, false);
  s.ThumbHintSize = integer(keys::ThumbHintSize, 350);
  s.ThumbTransparenz = static_cast<std::uint8_t>(integer(keys::ThumbTransparenz, 255) & 0xFF);
  s.BorderJustForPictures = boolean(keys::BorderJustForPictures, false);
  s.HideCaptions = boolean(keys::HideCaptions, false);
  s.ThumbnailDetails = boolean(keys::ThumbnailDetails, false);
  s.DetailedHints = boolean(keys::DetailedHints, true);
  s.SaveThumbnails = boolean(keys::SaveThumbnails, false);
  s.ShowSmallIcon = boolean(keys::ShowSmallIcon, true);
  s.ShowXLIcons = boolean(keys::ShowXLIcons, false);
  s.LoadAllThumbsAtOnce = boolean(keys::LoadAllThumbsAtOnce, true);
  s.HighlightPics = integer(keys::HighlightPics, 0);
  s.BorderType = integer(keys::BorderType, 4);
  s.Randgroesse = integer(keys::Randgroesse, 2);
  s.StorageType = integer(keys::StorageType, 0);
  s.ThumbBreite = integer(keys::ThumbBreite, 12);
  s.ThumbHoehe = integer(keys::ThumbHoehe, 12);
  s.HSpacing = integer(keys::HSpacing, 2);
  s.VSpacing = integer(keys::VSpacing, 20);
  if (auto v = doc.dword(QString::fromLatin1(keys::PanelExplorerL02))) s.PanelExplorerL02 = static_cast<std::int32_t>(*v);
  if (auto v = doc.dword(QString::fromLatin1(keys::PanelExplorerR02))) s.PanelExplorerR02 = static_cast<std::int32_t>(*v);
  return s;
}

std::optional<QString> SettingsStore::readString(const QString& name, const QString& subKey) {
  Document doc;
  load(doc);
  return doc.string(name, subKey);
}

std::optional<std::uint32_t> SettingsStore::readDword(const QString& name, const QString& subKey) {
  Document doc;
  load(doc);
  return doc.dword(name, subKey);
}

std::optional<bool> SettingsStore::readBool(const QString& name, const QString& subKey) {
  const auto v = readDword(name, subKey);
  if (!v) return std::nullopt;
  return *v != 0;
}

bool SettingsStore::writeValue(const QString& name, const QString& subKey, int type,
                               const QString& text, std::uint32_t dword) {
  Document doc;
  if (!load(doc)) return false;
  doc.ensure(keyPath({}));
  doc.ensure(keyPath(subKey)).set({name, static_cast<ValueType>(type), text, dword});
  return save(doc);
}

bool SettingsStore::writeString(const QString& name, const QString& value, const QString& subKey) {
  return writeValue(name, subKey, TypeString, value, 0);
}

bool SettingsStore::writeDword(const QString& name, std::uint32_t value, const QString& subKey) {
  return writeValue(name, subKey, TypeDword, {}, value);
}

bool SettingsStore::writeBool(const QString& name, bool value, const QString& subKey) {
  return writeDword(name, value ? 1u : 0u, subKey);
}

MediaTypeFlags SettingsStore::readMediaTypes() {
  Document doc;
  load(doc);
  MediaTypeFlags flags{};
  const QString sub = QString::fromLatin1(keys::MediaTypesSubKey);
  for (std::size_t i = 0; i < flags.size(); ++i) {
    const bool def = (i == 3 || i == 5);  // dtFixed and dtCDROM are shown unless switched off
    const auto v = doc.dword(QString::fromLatin1(keys::MediaTypeNames[i]), sub);
    flags[i] = v ? *v != 0 : def;
  }
  return flags;
}

bool SettingsStore::writeMediaTypes(const MediaTypeFlags& flags) {
  Document doc;
  if (!load(doc)) return false;
  Section& section = doc.ensure(keyPath(QString::fromLatin1(keys::MediaTypesSubKey)));
  for (std::size_t i = 0; i < flags.size(); ++i)
    section.set({QString::fromLatin1(keys::MediaTypeNames[i]), TypeDword, {}, flags[i] ? 1u : 0u});
  return save(doc);
}

bool SettingsStore::deleteKey() {
  Document doc;
  if (!load(doc)) return false;
  const QString key = keyPath({});
  doc.sections.removeIf([&](const Section& s) {
    return s.path.compare(key, Qt::CaseInsensitive) == 0 ||
           s.path.startsWith(key + '\\', Qt::CaseInsensitive);
  });
  return save(doc);
}

}  // namespace vantorim::app
