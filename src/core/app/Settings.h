#pragma once
// The program's persistent settings: one typed value per entry of the key
// "\Software\Belvantic\Vantorim\V1.00", kept in a text file in the Windows
// registry export format, plus the program-wide language.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace vantorim::app {

// Index of every five-language text table; the program selects German or English only.
enum TLanguage : std::uint8_t { lgDutch = 0, lgEnglish = 1, lgFrench = 2, lgGerman = 3, lgSpanish = 4 };

// Order of day and month in date entry fields.
enum TDateFormat : std::uint8_t { dfDDMMYYYY = 0, dfMMDDYYYY = 1 };

// 12- or 24-hour time entry.
enum TTimeFormat : std::uint8_t { tf12Hours = 0, tf24Hours = 1 };

// The program-wide current language: German from the first moment of start-up,
// then "Sprache", then whatever the language dialog chooses. UI thread only.
inline TLanguage AppLanguage = lgGerman;

// Registry value names and the key they live in.
namespace keys {
inline constexpr char Key[] = "\\Software\\Belvantic\\Vantorim\\V1.00";
inline constexpr char MediaTypesSubKey[] = "MediaTypes";
inline constexpr char Arbeitsverzeichnis[] = "Arbeitsverzeichnis";
inline constexpr char StartverzeichnisLinks[] = "StartverzeichnisLinks";
inline constexpr char StartverzeichnisRechts[] = "StartverzeichnisRechts";
inline constexpr char Protokolldatei[] = "Protokolldatei";
inline constexpr char Startwert[] = "Startwert";
inline constexpr char Sprache[] = "Sprache";
inline constexpr char Sprachwahl[] = "Sprachwahl";
inline constexpr char Datum[] = "Datum";
inline constexpr char Zeit[] = "Zeit";
inline constexpr char ShowHidden[] = "ShowHidden";
inline constexpr char ThumbLinks[] = "ThumbLinks";
inline constexpr char ThumbRechts[] = "ThumbRechts";
inline constexpr char ThumbHintSize[] = "ThumbHintSize";
inline constexpr char ThumbTransparenz[] = "ThumbTransparenz";
inline constexpr char BorderJustForPictures[] = "BorderJustForPictures";
inline constexpr char HideCaptions[] = "HideCaptions";
inline constexpr char ThumbnailDetails[] = "ThumbnailDetails";
inline constexpr char DetailedHints[] = "DetailedHints";
inline constexpr char SaveThumbnails[] = "SaveThumbnails";
inline constexpr char ShowSmallIcon[] = "ShowSmallIcon";
inline constexpr char ShowXLIcons[] = "ShowXLIcons";
inline constexpr char LoadAllThumbsAtOnce[] = "LoadAllThumbsAtOnce";
inline constexpr char HighlightPics[] = "HighlightPics";
inline constexpr char BorderType[] = "BorderType";
inline constexpr char Randgroesse[] = "Randgroesse";
inline constexpr char StorageType[] = "StorageType";
inline constexpr char ThumbBreite[] = "ThumbBreite";
inline constexpr char ThumbHoehe[] = "ThumbHoehe";
inline constexpr char HSpacing[] = "HSpacing";
inline constexpr char VSpacing[] = "VSpacing";
inline constexpr char PanelExplorerL02[] = "PanelExplorerL02";
inline constexpr char PanelExplorerR02[] = "PanelExplorerR02";
// Value names of the sub-key "MediaTypes", indexed by the media type (0..6).
inline constexpr std::array<const char*, 7> MediaTypeNames = {
    "dtUnknown", "dtNotExists", "dtRemovable", "dtFixed", "dtRemote", "dtCDROM", "dtRAMDisk"};
}  // namespace keys

// All values of the key, typed, with their defaults. Folder values carry a
// trailing '/' when not empty.
struct Settings {
  QString Arbeitsverzeichnis;  // default: the working-directory default folder
  QString StartverzeichnisLinks;
  QString StartverzeichnisRechts;
  QString Protokolldatei = QStringLiteral("Protokoll.txt");
  std::int32_t Startwert = 1;
  std::int32_t Sprache = 0;  // 0 German, 1 English
  bool Sprachwahl = true;
  std::int32_t Datum = 0;  // 0 day/month/year, 1 month/day/year
  std::int32_t Zeit = 0;   // 0 24 hours, 1 12 hours
  bool ShowHidden = false;
  bool ThumbLinks = true;
  bool ThumbRechts = false;
  std::int32_t ThumbHintSize = 350;
  std::uint8_t ThumbTransparenz = 255;  // low 8 bits of the stored value
  bool BorderJustForPictures = false;
  bool HideCaptions = false;
  bool ThumbnailDetails = false;
  bool DetailedHints = true;
  bool SaveThumbnails = false;
  bool ShowSmallIcon = true;
  bool ShowXLIcons = false;
  bool LoadAllThumbsAtOnce = true;
  std::int32_t HighlightPics = 0;
  std::int32_t BorderType = 4;
  std::int32_t Randgroesse = 2;
  std::int32_t StorageType = 0;
  std::int32_t ThumbBreite = 12;
  std::int32_t ThumbHoehe = 12;
  std::int32_t HSpacing = 2;
  std::int32_t VSpacing = 20;
  // Written on close only, never applied at start; empty when never stored.
  std::optional<std::int32_t> PanelExplorerL02;
  std::optional<std::int32_t> PanelExplorerR02;

  // "Sprache" as a language: 1 English, anything else German.
  TLanguage language() const { return Sprache == 1 ? lgEnglish : lgGerman; }
  TDateFormat dateFormat() const { return Datum == 1 ? dfMMDDYYYY : dfDDMMYYYY; }
  TTimeFormat timeFormat() const { return Zeit == 1 ? tf12Hours : tf24Hours; }
};

// The settings read at start; one program-wide copy, UI thread only.
inline Settings AppSettings;

// The seven flags of the sub-key "MediaTypes", indexed by media type.
using MediaTypeFlags = std::array<bool, 7>;

// Access to the store file. Every call opens the file afresh (creating the key
// when missing); every write rewrites the whole file atomically. A file that
// cannot be parsed is moved aside as a backup and replaced by an empty key.
class SettingsStore {
public:
  // The store of the current user: $XDG_CONFIG_HOME/Belvantic/Vantorim.reg.
  SettingsStore();
  explicit SettingsStore(QString filePath);

  static QString defaultFilePath();
  const QString& filePath() const { return m_filePath; }

  // All values by the read rules: missing or wrong-typed values give their
  // defaults, empty "Arbeitsverzeichnis"/"Protokolldatei" give theirs, the three
  // folders get a trailing '/'. Never fails.
  Settings readAll();

  // Single typed values of the key (or of a sub-key); empty when missing or of another type.
  std::optional<QString> readString(const QString& name, const QString& subKey = {});
  std::optional<std::uint32_t> readDword(const QString& name, const QString& subKey = {});
  std::optional<bool> readBool(const QString& name, const QString& subKey = {});

  // Writes one value; false with lastError() when the file cannot be written.
  bool writeString(const QString& name, const QString& value, const QString& subKey = {});
  bool writeDword(const QString& name, std::uint32_t value, const QString& subKey = {});
  bool writeBool(const QString& name, bool value, const QString& subKey = {});

  // The sub-key "MediaTypes": missing values are false except dtFixed and dtCDROM.
  MediaTypeFlags readMediaTypes();
  bool writeMediaTypes(const MediaTypeFlags& flags);

  // Removes the whole key (the uninstall command); other keys stay.
  bool deleteKey();

  // The text of a store file as this store writes it back; nullopt when the
  // text is damaged. Used to check files and by the fuzz tests.
  static std::optional<QByteArray> normalizedText(const QByteArray& bytes);

  // Why the last write failed.
  const QString& lastError() const { return m_lastError; }
  // Where a damaged store file was moved; empty when none was found.
  const QString& backupPath() const { return m_backupPath; }

private:
  struct Document;
  bool load(Document& doc);
  bool save(const Document& doc);
  bool writeValue(const QString& name, const QString& subKey, int type, const QString& text,
                  std::uint32_t dword);

  QString m_filePath;
  QString m_lastError;
  QString m_backupPath;
};

}  // namespace vantorim::app
