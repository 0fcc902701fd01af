#include "core/app/NameFilter.h"

namespace vantorim::app {

void TFilter::writeTo(QDataStream& out) const { out << static_cast<qint8>(Enabled); }

void TFilter::readFrom(QDataStream& in) {
  qint8 b = 0;
  in >> b;
  Enabled = b != 0;
}

TNameFilter::TNameFilter(const QString& pattern) { setPattern(pattern); }

void TNameFilter::setPattern(const QString& text) {
  if (text == m_pattern) return;
  m_pattern = text;
  m_patterns.clear();
  for (const QString& part : text.split(QLatin1Char('|'))) m_patterns << extensionOf(part);
}

bool TNameFilter::accepts(const QString& name) const {
  if (!Enabled) return true;
  bool ok = true;
  if (Extension) ok = m_patterns.contains(extensionOf(name.toLower()));
  if (ok && Contains) ok = name.contains(ContainsText);
  return ok;
}

void TNameFilter::writeTo(QDataStream& out) const {
  TFilter::writeTo(out);
  out << static_cast<qint8>(Extension) << static_cast<qint8>(Contains) << ContainsText << m_pattern
      << m_patterns;
}

void TNameFilter::readFrom(QDataStream& in) {
  TFilter::readFrom(in);
  qint8 ext = 0, con = 0;
  in >> ext >> con >> ContainsText >> m_pattern >> m_patterns;
  Extension = ext != 0;
  Contains = con != 0;
}

QString extensionOf(const QString& name) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : name.mid(dot);
}

bool countsAsFile(bool isFolder, const QString& name) {
  return !isFolder || extensionOf(name.toLower()) == QLatin1String(".zip");
}

FilterComboState::FilterComboState()
    : m_items{QStringLiteral("*.*"), QStringLiteral("*.bmp"), QStringLiteral("*.jpg|*.jpeg"),
              QStringLiteral("*.mp3|*.mp+"), QStringLiteral("*.ttf")},
      m_filter(QStringLiteral("*.*")) {
  m_items.sort();
}

void FilterComboState::confirmText(const QString& text) {
  if (!m_items.contains(text)) {
    m_items << text;
    m_items.sort();
  }
  m_filter.setPattern(text);
}

void FilterComboState::selectText(const QString& text) {
  if (text == QLatin1String("*.*")) {
    m_active = false;
    return;
  }
  m_active = true;
  m_filter.Enabled = true;
  m_filter.Extension = true;
  m_filter.setPattern(text);
}

bool FilterComboState::shows(const QString& name, bool isFolder) const {
  if (!m_active) return true;
  if (isFolder && !countsAsFile(true, name)) return true;
  return m_filter.accepts(name);
}

}  // namespace vantorim::app
