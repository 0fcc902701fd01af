#pragma once
// The language dialog: German or English, and whether to ask at every start.

#include "core/app/Settings.h"

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantorim::gui {

class TFormSprache : public QDialog {
  Q_OBJECT
public:
  explicit TFormSprache(app::SettingsStore& store, QWidget* parent = nullptr);

  // At start: shows the dialog modally when "Sprachwahl" is set; returns whether it was shown.
  bool showAtStart();

  QRadioButton* radioGerman() const { return m_german; }
  QRadioButton* radioEnglish() const { return m_english; }
  QGroupBox* radioGroup() const { return m_group; }
  QCheckBox* checkBox() const { return m_check; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* abortButton() const { return m_abort; }

Q_SIGNALS:
  // After OK, once AppLanguage holds the new language: re-caption everything.
  void applyLanguage();

protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  void setCaptionsFor(app::TLanguage language);
  void confirm();

  app::SettingsStore& m_store;
  QGroupBox* m_group = nullptr;
  QRadioButton* m_german = nullptr;
  QRadioButton* m_english = nullptr;
  QCheckBox* m_check = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_abort = nullptr;
  QPoint m_dragOffset;
  bool m_dragging = false;
};

}  // namespace vantorim::gui
