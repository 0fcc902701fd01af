// vantorim-cli iptc: lists a picture's IPTC tags or writes a copy with changed tags.

#include "CommandRegistry.h"

#include "core/fileinfo/ImgData.h"
#include "core/fileinfo/IptcData.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorim::cli {
namespace {

int runIptc(const QStringList& args) {
  QString file, outPath;
  QStringList sets, removes;
  bool json = false, english = true;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--help" || a == "-h") {
      out() << "Usage: vantorim-cli iptc [--json] [--german] FILE\n"
               "       vantorim-cli iptc FILE --set Name=Value... [--remove Name]... --out COPY\n"
               "Lists the IPTC tags of a JPEG picture, or writes a copy whose IPTC section holds\n"
               "the changed tags. The picture data and all other sections are copied unchanged;\n"
               "COPY must not exist yet. Keywords and SuppCategory values are added to the list.\n"
               "Exit status: 0 success, 1 no IPTC tags found, 2 on error.\n";
      return 0;
    }
    auto next = [&]() -> QString { return i + 1 < args.size() ? args[++i] : QString(); };
    if (a == "--set") sets << next();
    else if (a == "--remove") removes << next();
    else if (a == "--out") outPath = next();
    else if (a == "--json") json = true;
    else if (a == "--german") english = false;
    else if (a.startsWith("--")) {
      err() << "iptc: unknown option " << a << "\n";
      return 2;
    } else if (file.isEmpty()) file = a;
    else {
      err() << "iptc: only one file is read at a time\n";
      return 2;
    }
  }
  if (file.isEmpty() || !QFileInfo(file).isFile()) {
    err() << "iptc: " << (file.isEmpty() ? QString("no file given; see --help") : "cannot read " + file) << "\n";
    return 2;
  }
  if ((!sets.isEmpty() || !removes.isEmpty()) && outPath.isEmpty()) {
    err() << "iptc: --set and --remove need --out COPY\n";
    return 2;
  }
  fileinfo::TImgData img;
  img.setLanguage(english ? fileinfo::TIPTCdata::kEnglish : fileinfo::TIPTCdata::kGerman);
  img.readFile(file);
  if (!outPath.isEmpty()) {
    fileinfo::TIPTCdata* iptc = img.createIptc();
    for (const QString& s : sets) {
      const int eq = s.indexOf('=');
      const QString name = s.left(eq);
      if (eq <= 0 || iptc->setTag(name, s.mid(eq + 1)) < 0) {
        err() << "iptc: unknown tag in '" << s << "'\n";
        return 2;
      }
    }
    for (const QString& r : removes) iptc->removeTag(r);
    const auto result = iptc->writeCopy(outPath, file);
    if (!result) {
      err() << "iptc: " << result.error << "\n";
      return 2;
    }
    return 0;
  }
  const fileinfo::TIPTCdata* iptc = img.iptcData();
  if (json) {
    QJsonObject tags;
    if (iptc)
      for (const auto& e : iptc->tags()) tags[e.name] = e.data;
    out() << QJsonDocument(QJsonObject{{"file", file}, {"tags", tags}}).toJson(QJsonDocument::Indented);
    return iptc && iptc->count() ? 0 : 1;
  }
  if (!iptc || iptc->count() == 0) {
    out() << (english ? " No IPTC info detected." : " Es wurde keine IPTC Information gefunden.") << '\n';
    return 1;
  }
  for (const auto& e : iptc->tags()) out() << e.name << " (" << e.desc << ") = " << e.data << '\n';
  return 0;
}

const bool registered =
    registerCommand({"iptc", "list a picture's IPTC tags or write a copy with changed tags", &runIptc});

}  // namespace
}  // namespace vantorim::cli
