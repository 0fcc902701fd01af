#include "gui/common/LangText.h"

#include <QDir>
#include <QTranslator>

#include <memory>
#include <vector>

namespace vantorim::common {

namespace {

using TranslatorList = std::vector<std::unique_ptr<QTranslator>>;

const TranslatorList& translatorsFor(app::TLanguage language) {
  static TranslatorList lists[5];
  static bool loaded[5] = {};
  const int i = static_cast<int>(language) < 5 ? static_cast<int>(language) : 3;
  if (!loaded[i]) {
    loaded[i] = true;
    const QDir dir(QStringLiteral(":/i18n"));
    const QString code = languageCode(static_cast<app::TLanguage>(i));
    for (const QString& file : dir.entryList({"*_" + code + ".qm"}, QDir::Files)) {
      auto t = std::make_unique<QTranslator>();
      if (t->load(dir.filePath(file))) lists[i].push_back(std::move(t));
    }
  }
  return lists[i];
}

}  // namespace

QString languageCode(app::TLanguage language) {
  switch (language) {
    case app::lgDutch: return QStringLiteral("nl");
    case app::lgEnglish: return QStringLiteral("en");
    case app::lgFrench: return QStringLiteral("fr");
    case app::lgGerman: return QStringLiteral("de");
    case app::lgSpanish: return QStringLiteral("es");
  }
  return QStringLiteral("de");
}

QString langText(app::TLanguage language, const char* context, const char* source) {
  if (language == app::lgEnglish) return QString::fromUtf8(source);
  for (const auto& t : translatorsFor(language)) {
    const QString s = t->translate(context, source);
    if (!s.isNull() && !s.isEmpty()) return s;
  }
  return QString::fromUtf8(source);
}

}  // namespace vantorim::common
