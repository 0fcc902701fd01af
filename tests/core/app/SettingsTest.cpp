#include "core/app/DllList.h"
#include "core/app/Settings.h"
#include "core/platform/SpecialFolders.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantorim::app;
using vantorim::test::TempDir;
using vantorim::test::readAll;

namespace {

QByteArray storeText(const QByteArray& values) {
  return "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\Belvantic\\Vantorim\\V1.00]\r\n" +
         values + "\r\n";
}

}  // namespace

TEST(SettingsStore, NoFileGivesDefaultsAndCreatesTheKey) {
  TempDir dir;
  SettingsStore store(dir.path("cfg/Vantorim.reg"));
  const Settings s = store.readAll();
  EXPECT_EQ(s.Arbeitsverzeichnis, vantorim::platform::defaultWorkingDirectory());
  EXPECT_TRUE(s.Arbeitsverzeichnis.endsWith('/'));
  EXPECT_TRUE(QFileInfo(s.Arbeitsverzeichnis).isDir());
  EXPECT_EQ(s.StartverzeichnisLinks, "");
  EXPECT_EQ(s.Protokolldatei, "Protokoll.txt");
  EXPECT_EQ(s.Startwert, 1);
  EXPECT_EQ(s.language(), lgGerman);
  EXPECT_TRUE(s.Sprachwahl);
  EXPECT_EQ(s.timeFormat(), tf24Hours);
  EXPECT_EQ(s.dateFormat(), dfDDMMYYYY);
  EXPECT_TRUE(s.ThumbLinks);
  EXPECT_FALSE(s.ThumbRechts);
  EXPECT_EQ(s.ThumbHintSize, 350);
  EXPECT_EQ(s.ThumbTransparenz, 255);
  EXPECT_TRUE(s.DetailedHints);
  EXPECT_TRUE(s.ShowSmallIcon);
  EXPECT_TRUE(s.LoadAllThumbsAtOnce);
  EXPECT_EQ(s.BorderType, 4);
  EXPECT_EQ(s.Randgroesse, 2);
  EXPECT_EQ(s.ThumbBreite, 12);
  EXPECT_EQ(s.ThumbHoehe, 12);
  EXPECT_EQ(s.HSpacing, 2);
  EXPECT_EQ(s.VSpacing, 20);
  EXPECT_FALSE(s.PanelExplorerL02.has_value());
  const QByteArray file = readAll(store.filePath());
  EXPECT_TRUE(file.startsWith("Windows Registry Editor Version 5.00\r\n"));
  EXPECT_TRUE(file.contains("[HKEY_CURRENT_USER\\Software\\Belvantic\\Vantorim\\V1.00]\r\n"));
  EXPECT_TRUE(store.backupPath().isEmpty());
}

TEST(SettingsStore, DefaultFileFollowsXdgConfigHome) {
  EXPECT_EQ(SettingsStore::defaultFilePath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Belvantic/Vantorim.reg");
}

TEST(SettingsStore, ReadRules) {
  TempDir dir;
  const QString path = dir.write("Vantorim.reg", storeText(
      "\"Arbeitsverzeichnis\"=\"/data/Work\"\r\n"
      "\"StartverzeichnisLinks\"=\"/home/u/Bilder\"\r\n"
      "\"StartverzeichnisRechts\"=\"/srv/\"\r\n"
      "\"Protokolldatei\"=\"\"\r\n"
      "\"ThumbHintSize\"=\"200\"\r\n"           // string where a number belongs
      "\"Sprachwahl\"=\"0\"\r\n"                // string where a Boolean belongs
      "\"Startwert\"=dword:0000015e\r\n"
      "\"Sprache\"=dword:00000001\r\n"
      "\"Zeit\"=dword:00000001\r\n"
      "\"Datum\"=dword:00000001\r\n"
      "\"ThumbTransparenz\"=dword:00000180\r\n"  // low byte only
      "\"ShowHidden\"=dword:00000001\r\n"
      "\"VSpacing\"=hex:01,00,00,00\r\n"        // binary where a number belongs
      "\"PanelExplorerL02\"=dword:000000c8\r\n"));
  SettingsStore store(path);
  const Settings s = store.readAll();
  EXPECT_EQ(s.Arbeitsverzeichnis, "/data/Work/");
  EXPECT_EQ(s.StartverzeichnisLinks, "/home/u/Bilder/");
  EXPECT_EQ(s.StartverzeichnisRechts, "/srv/");
  EXPECT_EQ(s.Protokolldatei, "Protokoll.txt");
  EXPECT_EQ(s.ThumbHintSize, 350);
  EXPECT_TRUE(s.Sprachwahl);
  EXPECT_EQ(s.Startwert, 350);
  EXPECT_EQ(s.language(), lgEnglish);
  EXPECT_EQ(s.timeFormat(), tf12Hours);
  EXPECT_EQ(s.dateFormat(), dfMMDDYYYY);
  EXPECT_EQ(s.ThumbTransparenz, 0x80);
  EXPECT_TRUE(s.ShowHidden);
  EXPECT_EQ(s.VSpacing, 20);
  EXPECT_EQ(s.PanelExplorerL02, 200);
}

TEST(SettingsStore, OtherLanguageValuesReadAsGerman) {
  TempDir dir;
  SettingsStore store(dir.write("Vantorim.reg", storeText("\"Sprache\"=dword:00000003\r\n")));
  EXPECT_EQ(store.readAll().language(), lgGerman);
}

TEST(SettingsStore, RoundTripKeepsTypesEscapesAndOtherValues) {
  TempDir dir;
  const QString path = dir.write("Vantorim.reg",
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Belvantic\\Vantorim\\V1.00]\r\n"
      "\"Blob\"=hex:01,02,\\\r\n  03,04\r\n");
  SettingsStore store(path);
  const QString tricky = QString::fromUtf8("/tmp/a \"q\" \\ b/Grüße");
  ASSERT_TRUE(store.writeString(keys::Arbeitsverzeichnis, tricky));
  ASSERT_TRUE(store.writeDword(keys::ThumbHintSize, 420));
  ASSERT_TRUE(store.writeBool(keys::Sprachwahl, false));
  ASSERT_TRUE(store.writeDword(keys::Sprache, 1));
  ASSERT_TRUE(store.writeDword(keys::ThumbHintSize, 421));  // replaces, no second entry

  SettingsStore again(path);
  const Settings s = again.readAll();
  EXPECT_EQ(s.Arbeitsverzeichnis, tricky + '/');
  EXPECT_EQ(s.ThumbHintSize, 421);
  EXPECT_FALSE(s.Sprachwahl);
  EXPECT_EQ(s.language(), lgEnglish);
  EXPECT_EQ(again.readString("Keep", {}), std::nullopt);  // other keys are not ours
  const QByteArray file = readAll(path);
  EXPECT_TRUE(file.contains("[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n"));
  EXPECT_TRUE(file.contains("\"ThumbHintSize\"=dword:000001a5\r\n"));
  EXPECT_EQ(file.count("ThumbHintSize"), 1);
  EXPECT_TRUE(file.contains("\"Sprachwahl\"=dword:00000000\r\n"));
  EXPECT_TRUE(file.contains("\"Blob\"=hex:01,02,03,04\r\n"));
  EXPECT_TRUE(file.contains("\"Arbeitsverzeichnis\"=\"/tmp/a \\\"q\\\" \\\\ b/Gr\xC3\xBC\xC3\x9F" "e\""));
  // Atomic writes leave no temporary files behind.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Vantorim.reg"});
}

TEST(SettingsStore, DamagedFileIsKeptAsBackupAndDefaultsApply) {
  TempDir dir;
  const QByteArray garbage = "this is not a registry file\n\x01\x02";
  const QString path = dir.write("Vantorim.reg", garbage);
  SettingsStore store(path);
  const Settings s = store.readAll();
  EXPECT_EQ(s.ThumbHintSize, 350);
  ASSERT_FALSE(store.backupPath().isEmpty());
  EXPECT_EQ(readAll(store.backupPath()), garbage);
  EXPECT_TRUE(readAll(path).startsWith("Windows Registry Editor Version 5.00"));
  // A value line that cannot be parsed counts as damage too.
  dir.write("Vantorim.reg", storeText("\"Sprache\"=dword:1\r\n"));
  SettingsStore second(path);
  EXPECT_EQ(second.readAll().Sprache, 0);
  EXPECT_FALSE(second.backupPath().isEmpty());
  EXPECT_NE(second.backupPath(), store.backupPath());
  // Writing after a damaged file works on the fresh key.
  EXPECT_TRUE(second.writeDword(keys::Sprache, 1));
  EXPECT_EQ(SettingsStore(path).readAll().Sprache, 1);
}

TEST(SettingsStore, MediaTypesSubKeyDefaultsAndRoundTrip) {
  TempDir dir;
  SettingsStore store(dir.path("Vantorim.reg"));
  MediaTypeFlags flags = store.readMediaTypes();
  EXPECT_EQ(flags, (MediaTypeFlags{false, false, false, true, false, true, false}));
  flags[3] = false;
  flags[2] = true;
  ASSERT_TRUE(store.writeMediaTypes(flags));
  EXPECT_EQ(SettingsStore(store.filePath()).readMediaTypes(), flags);
  EXPECT_TRUE(readAll(store.filePath()).contains(
      "[HKEY_CURRENT_USER\\Software\\Belvantic\\Vantorim\\V1.00\\MediaTypes]\r\n\"dtUnknown\"=dword:00000000"));
}

TEST(SettingsStore, DeleteKeyRemovesKeyAndSubKeysOnly) {
  TempDir dir;
  SettingsStore store(dir.write("Vantorim.reg",
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n"));
  store.writeDword(keys::Sprache, 1);
  store.writeMediaTypes({});
  ASSERT_TRUE(store.deleteKey());
  const QByteArray file = readAll(store.filePath());
  EXPECT_FALSE(file.contains("Vantorim\\V1.00"));
  EXPECT_TRUE(file.contains("\"Keep\"=\"me\""));
}

TEST(SettingsStore, UnwritableFolderReportsError) {
  SettingsStore store("/proc/vantorim-no/Vantorim.reg");
  EXPECT_FALSE(store.writeDword(keys::Sprache, 1));
  EXPECT_FALSE(store.lastError().isEmpty());
  EXPECT_EQ(store.readAll().Sprache, 0);  // reads never fail the start
}

TEST(DllList, WrittenSortedWithCrLfAndReadBack) {
  TempDir dir;
  ASSERT_TRUE(writeDllList(dir.path(), {"zeta.so", "Alpha.so", "beta.so"}));
  EXPECT_EQ(readAll(dir.path("DLL_Liste.txt")), "Alpha.so\r\nbeta.so\r\nzeta.so\r\n");
  EXPECT_EQ(readDllList(dir.path()), (QStringList{"Alpha.so", "beta.so", "zeta.so"}));
  ASSERT_TRUE(writeDllList(dir.path(), {}));
  EXPECT_EQ(readAll(dir.path("DLL_Liste.txt")), "");
}

TEST(DllList, ReadsAnyLineEndAndWindows1252) {
  TempDir dir;
  dir.write("DLL_Liste.txt", "b.so\nA.so\r\xE4nder.so\r\n\r\n");
  bool ok = false;
  EXPECT_EQ(readDllList(dir.path(), &ok), (QStringList{"A.so", "b.so", QString::fromUtf8("änder.so")}));
  EXPECT_TRUE(ok);
  TempDir empty;
  EXPECT_TRUE(readDllList(empty.path(), &ok).isEmpty());
  EXPECT_FALSE(ok);
}

TEST(SettingsStore, NormalizedTextIsStable) {
  const QByteArray text = storeText("\"Blob\"=hex:01,\\\r\n\"Sprache\"=dword:00000001\r\n");
  const auto once = SettingsStore::normalizedText(text);
  ASSERT_TRUE(once.has_value());
  EXPECT_TRUE(once->contains("\"Sprache\"=dword:00000001"));
  EXPECT_EQ(SettingsStore::normalizedText(*once), once);
  EXPECT_FALSE(SettingsStore::normalizedText("REGEDIT?").has_value());
  EXPECT_FALSE(SettingsStore::normalizedText(storeText("\"x\"=\"unterminated\r\n")).has_value());
}
