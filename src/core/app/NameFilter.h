#pragma once
// The file-type filter of the explorer lists: a name filter by extension
// patterns ("*.jpg|*.jpeg") and the state of the filter combo that drives it.

#include <QDataStream>
#include <QString>
#include <QStringList>

namespace vantorim::app {

class TFilter {
public:
  virtual ~TFilter() = default;
  bool Enabled = false;
  virtual void writeTo(QDataStream& out) const;
  virtual void readFrom(QDataStream& in);
};

class TNameFilter : public TFilter {
public:
  explicit TNameFilter(const QString& pattern = QString());

  bool Extension = false;  // extension mode
  bool Contains = false;
  QString ContainsText;

  const QString& pattern() const { return m_pattern; }
  // Splits at '|' and keeps each part from its last '.' on (empty without one);
  // an unchanged text is ignored.
  void setPattern(const QString& text);
  const QStringList& patterns() const { return m_patterns; }

  // Whether an item of this name passes. Patterns are compared exactly with the
  // lower-cased extension of the name, so "*.JPG" matches nothing.
  bool accepts(const QString& name) const;

  void writeTo(QDataStream& out) const override;
  void readFrom(QDataStream& in) override;

private:
  QString m_pattern;
  QStringList m_patterns;
};

// The part of a name from its last '.' on, empty when it has none.
QString extensionOf(const QString& name);

// A folder named *.zip counts as a file (compressed folders); every non-folder does.
bool countsAsFile(bool isFolder, const QString& name);

// The filter combo under each explorer tree: its items, its active flag and
// the per-item decision for the linked list.
class FilterComboState {
public:
  FilterComboState();

  const QStringList& items() const { return m_items; }  // kept sorted
  bool active() const { return m_active; }
  const TNameFilter& filter() const { return m_filter; }

  // Enter or leaving the combo: adds an unknown text to the items and makes it
  // the filter's pattern; the filter is neither switched on nor applied.
  void confirmText(const QString& text);
  // An item picked (or text set by the program): "*.*" switches the filter off,
  // anything else on in extension mode with that pattern. The caller re-reads the list.
  void selectText(const QString& text);

  // Per listed item: while active, files need the filter's consent; folders are
  // shown unless named *.zip, which need it too.
  bool shows(const QString& name, bool isFolder) const;

private:
  QStringList m_items;
  TNameFilter m_filter;
  bool m_active = false;
};

}  // namespace vantorim::app
