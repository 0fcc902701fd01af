#pragma once
// TFilenamePreview: old and new file names side by side, before anything is renamed.

#include "core/app/Settings.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/LangText.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace vantorim::rename {

class TFilenamePreview : public QWidget, public common::LanguageAware, public gui::ToolPanel {
  Q_OBJECT
public:
  explicit TFilenamePreview(QWidget* parent = nullptr);

  QWidget* widget() override { return this; }
  void setEvents(gui::PanelEvents* events) override;
  void setLanguage(app::TLanguage value) override { common::LanguageAware::setLanguage(value); }

  const QStringList& FileNamesOld() const { return m_old; }
  const QStringList& FileNamesNew() const { return m_new; }
  void setFileNamesOld(const QStringList& list) { m_old = list; }
  void setFileNamesNew(const QStringList& list) { m_new = list; }

  // Shows both lists when their lengths agree; leaves the grid otherwise.
  void Show();
  // Two empty rows and empty lists.
  void Clear();

  QTableWidget* grid() const { return m_grid; }

signals:
  void OnBackBtnClick();

protected:
  void applyLanguage() override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void setRows(int rows);

  QStringList m_old, m_new;
  QWidget* m_strip;
  QLabel* m_title;
  QSpinBox* m_width;
  QToolButton* m_back;
  QTableWidget* m_grid;
};

}  // namespace vantorim::rename
