#pragma once
// The about box: borderless, on top, gradient background and the yellow frame.

#include "core/app/Settings.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vantorim::gui {

class TFormInfo : public QDialog {
  Q_OBJECT
public:
  explicit TFormInfo(QWidget* parent = nullptr);
  void setLanguage(app::TLanguage language);
  QPushButton* closeButton() const { return m_close; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  QLabel* m_title;
  QLabel* m_homepage;
  QLabel* m_mail;
  QPushButton* m_close;
  QPoint m_dragOffset;
};

}  // namespace vantorim::gui
