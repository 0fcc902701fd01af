#include "core/formats/TTFInfo.h"

#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using vantorim::formats::TTTFInfo;
using vantorim::test::TempDir;

namespace {

void be16(QByteArray& b, int v) {
  b.append(char((v >> 8) & 0xFF));
  b.append(char(v & 0xFF));
}
void be32(QByteArray& b, quint32 v) {
  be16(b, int(v >> 16));
  be16(b, int(v & 0xFFFF));
}

struct Record {
  int systemId, encoding, language, nameId;
  QByteArray text;
  int lengthOverride = -1;
};

QByteArray utf16be(const QString& s) {
  QByteArray b;
  for (QChar c : s) be16(b, c.unicode());
  return b;
}

// A font file holding a 'head' stand-in and a 'name' table with the records.
QByteArray makeFont(const std::vector<Record>& records) {
  QByteArray storage;
  QByteArray name;
  be16(name, 0);
  be16(name, int(records.size()));
  be16(name, 6 + 12 * int(records.size()));
  for (const Record& r : records) {
    be16(name, r.systemId);
    be16(name, r.encoding);
    be16(name, r.language);
    be16(name, r.nameId);
    be16(name, r.lengthOverride >= 0 ? r.lengthOverride : int(r.text.size()));
    be16(name, int(storage.size()));
    storage += r.text;
  }
  name += storage;
  name += QByteArray(400, 'z');  // room for long length fields
  QByteArray font;
  be32(font, 0x00010000);
  be16(font, 2);
  be16(font, 32);
  be16(font, 1);
  be16(font, 0);
  const quint32 headAt = 12 + 32;
  const quint32 nameAt = headAt + 16;
  font += "head";
  be32(font, 0);
  be32(font, headAt);
  be32(font, 16);
  font += "name";
  be32(font, 0);
  be32(font, nameAt);
  be32(font, quint32(name.size()));
  font += QByteArray(16, '\0');
  font += name;
  return font;
}

TTTFInfo readFont(const QByteArray& bytes) {
  TTTFInfo info;
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  info.readFrom(buffer);
  return info;
}

}  // namespace

TEST(TTFInfoTest, SingleByteMacintoshRecords) {
  const TTTFInfo info = readFont(makeFont({{1, 0, 0, 0, "(c) Someone 2004 \r\n"},
                                           {1, 0, 0, 1, "Sample Sans"},
                                           {1, 0, 0, 2, "Bold"},
                                           {1, 0, 0, 3, "Unique id"},
                                           {1, 0, 0, 4, "Sample Sans Bold"}}));
  EXPECT_EQ(info.copyright(), "(c) Someone 2004");
  EXPECT_EQ(info.familyName(), "Sample Sans");
  EXPECT_EQ(info.styleName(), "Bold");
  EXPECT_EQ(info.fullName(), "Sample Sans Bold");
}

TEST(TTFInfoTest, PrefersWindowsUnicodeEnglishThenMacintoshThenAny) {
  const TTTFInfo info = readFont(makeFont({
      {3, 1, 0x0407, 1, utf16be("Beispiel")},           // German Windows name
      {1, 0, 0, 1, "Mac Family"},
      {3, 1, 0x0409, 1, utf16be(QString::fromUtf8("Fämily"))},
      {3, 1, 0x0409, 0, utf16be(QString::fromUtf8("© 2020 Ünïcode"))},
      {3, 1, 0x0407, 2, utf16be("Fett")},                // only a non-English Windows style
      {1, 0, 0, 4, "Mac \xC0 Full"},                      // Mac Roman byte 0xC0 is an inverted question mark
      {0, 3, 0, 4, utf16be("Unicode Full")},
  }));
  EXPECT_EQ(info.familyName(), QString::fromUtf8("Fämily"));
  EXPECT_EQ(info.copyright(), QString::fromUtf8("© 2020 Ünïcode"));
  EXPECT_EQ(info.styleName(), "Fett");
  EXPECT_EQ(info.fullName(), QString::fromUtf8("Mac ¿ Full"));
}

TEST(TTFInfoTest, FullNameKeepsFileNameCharactersOnlyAndAtMost80) {
  TTTFInfo a = readFont(makeFont({{1, 0, 0, 4, "Ab:c/d?e*f\"g<h>i|j\\k[l]m^n;o=p"}}));
  EXPECT_EQ(a.fullName(), "Abcdefghijklmnop");
  TTTFInfo b = readFont(makeFont({{1, 0, 0, 4, QByteArray(100, 'W')}}));
  EXPECT_EQ(b.fullName(), QString(80, u'W'));
  TTTFInfo c = readFont(makeFont({{1, 0, 0, 1, "Keep #$%&'()+,-.@_`{}~ \x7f\x01"}}));
  EXPECT_EQ(c.familyName(), "Keep #$%&'()+,-.@_`{}~ ");
}

TEST(TTFInfoTest, LengthsAreSixteenBitAndCheckedAgainstTheTable) {
  QByteArray longName = QByteArray(300, 'L');
  TTTFInfo a = readFont(makeFont({{1, 0, 0, 1, longName}, {1, 0, 0, 2, ""}}));
  EXPECT_EQ(a.familyName(), QString(300, u'L'));
  EXPECT_EQ(a.styleName(), "");
  // A length running past the table is ignored, not read from beyond it.
  TTTFInfo b = readFont(makeFont({{1, 0, 0, 1, "x", 60000}, {1, 0, 0, 2, "Regular"}}));
  EXPECT_EQ(b.familyName(), "");
  EXPECT_EQ(b.styleName(), "Regular");
  // No 'name' table, or garbage: empty names.
  EXPECT_EQ(readFont("name name name").fullName(), "");
  EXPECT_EQ(readFont(QByteArray(5, '\0')).fullName(), "");
}

TEST(TTFInfoTest, ExtensionRuleAndReadingOncePerName) {
  TempDir dir;
  const QByteArray font = makeFont({{1, 0, 0, 4, "First Name"}});
  for (const char* n : {"ARIAL.TTF", "arial.ttf", "x.otf", "x.fon"}) {
    TTTFInfo info;
    EXPECT_TRUE(info.setFilename(dir.write(n, font)));
    const bool ttf = QString(n).toLower().endsWith(".ttf");
    EXPECT_EQ(info.fullName(), ttf ? "First Name" : "") << n;
  }
  TTTFInfo info;
  const QString path = dir.path("arial.ttf");
  ASSERT_TRUE(info.setFilename(path));
  dir.write("arial.ttf", makeFont({{1, 0, 0, 4, "Second Name"}}));
  ASSERT_TRUE(info.setFilename(path));
  EXPECT_EQ(info.fullName(), "First Name");

  EXPECT_FALSE(info.setFilename(dir.path("missing.ttf")));
  EXPECT_FALSE(info.error().isEmpty());
  EXPECT_EQ(info.fullName(), "First Name");  // keeps the previous names
}

// The names agree with fontTools for the TrueType fonts installed on this machine.
TEST(TTFInfoTest, AgreesWithFontToolsOnInstalledFonts) {
  // fontTools comes with the system's Python; another python3 may come first on PATH.
  const QString python = QFileInfo::exists("/usr/bin/python3") ? QStringLiteral("/usr/bin/python3")
                                                                : QStandardPaths::findExecutable("python3");
  if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
  QStringList fonts;
  for (const char* root : {"/usr/share/fonts/truetype", "/usr/share/fonts"}) {
    QDirIterator it(root, {"*.ttf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext() && fonts.size() < 12) {
      const QString f = it.next();
      if (!fonts.contains(f)) fonts << f;
    }
  }
  if (fonts.isEmpty()) GTEST_SKIP() << "no .ttf fonts installed";
  const char* script = R"(
import json, sys
try:
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit(3)
out = {}
for p in sys.argv[1:]:
    t = TTFont(p, lazy=True)['name']
    def pick(i):
        for args in ((i, 3, 1, 0x409), (i, 1, 0, 0)):
            r = t.getName(*args)
            if r is not None:
                return r.toUnicode()
        return t.getDebugName(i) or ''
    out[p] = [pick(0), pick(1), pick(2), pick(4)]
print(json.dumps(out))
)";
  QProcess p;
  p.start(python, QStringList{"-c", script} + fonts);
  ASSERT_TRUE(p.waitForFinished(60000));
  if (p.exitCode() == 3) GTEST_SKIP() << "fontTools is not installed";
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  const QJsonObject ref = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
  for (const QString& f : fonts) {
    const QJsonArray names = ref.value(f).toArray();
    TTTFInfo info;
    ASSERT_TRUE(info.setFilename(f));
    QString copyright = names[0].toString();
    while (!copyright.isEmpty() && copyright.back().unicode() <= 32) copyright.chop(1);
    EXPECT_EQ(info.copyright(), copyright) << f.toStdString();
    EXPECT_EQ(info.familyName(), TTTFInfo::keepPrintable(names[1].toString())) << f.toStdString();
    EXPECT_EQ(info.styleName(), TTTFInfo::keepPrintable(names[2].toString())) << f.toStdString();
    EXPECT_EQ(info.fullName(), TTTFInfo::keepFileNameCharacters(names[3].toString()).left(80)) << f.toStdString();
    EXPECT_FALSE(info.familyName().isEmpty()) << f.toStdString();
  }
}
