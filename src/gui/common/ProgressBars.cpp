#include "gui/common/ProgressBars.h"

#include <QFrame>
#include <QPainter>
#include <QTimerEvent>

namespace vantorim::common {

TSimpleProgressBar::TSimpleProgressBar(QWidget* parent)
    : QWidget(parent), m_panel(new QFrame(this)), m_bar(new QWidget(m_panel)) {
  resize(100, 20);
  m_panel->setObjectName(QStringLiteral("Panel"));
  m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_panel->setLineWidth(1);
  m_bar->setObjectName(QStringLiteral("Bar"));
  m_bar->setAutoFillBackground(true);
  setColor(QColor(0xFF, 0xFF, 0xFF));
  updateBar();
}

void TSimpleProgressBar::setColor(const QColor& color) {
  m_color = color;
  QPalette p = m_bar->palette();
  p.setColor(QPalette::Window, color);
  m_bar->setPalette(p);
}

void TSimpleProgressBar::setMax(std::uint32_t value) {
  if (value == 0) value = 1;
  if (value == m_max) return;
  m_max = value;
  if (m_position > m_max) m_position = m_max;
  updateBar();
}

void TSimpleProgressBar::setOrientation(TOrientation value) {
  if (value == m_orientation) return;
  m_orientation = value;
  updateBar();
}

void TSimpleProgressBar::setPosition(std::uint32_t value) {
  if (value > m_max) value = m_max;
  if (value == m_position) return;
  m_position = value;
  updateBar();
}

QRect TSimpleProgressBar::barRect() const { return m_bar->geometry(); }

void TSimpleProgressBar::resizeEvent(QResizeEvent*) { updateBar(); }

void TSimpleProgressBar::updateBar() {
  m_panel->setGeometry(rect());
  const QRect inner = m_panel->contentsRect();
  const double share = static_cast<double>(m_position) / m_max;
  if (m_orientation == pbHorizontal) {
    const int h = static_cast<int>(share * (m_panel->height() - 2));
    m_bar->setGeometry(inner.left(), inner.bottom() + 1 - h, inner.width(), h);
  } else {
    const int w = static_cast<int>(share * (m_panel->width() - 2));
    m_bar->setGeometry(inner.left(), inner.top(), w, inner.height());
  }
}

// ---------------------------------------------------------------------------

TMarqueeProgressBar::TMarqueeProgressBar(QWidget* parent) : QProgressBar(parent) {
  setTextVisible(false);
  setRange(0, 100);
  setValue(0);
}

void TMarqueeProgressBar::setActive(bool value) {
  m_active = value;
  if (m_timer) killTimer(m_timer);
  m_timer = value ? startTimer(m_speed) : 0;
  m_offset = 0;
  update();
}

void TMarqueeProgressBar::setAnimationSpeed(int ms) {
  m_speed = ms < 1 ? 1 : ms;
  if (m_active) setActive(true);
}

void TMarqueeProgressBar::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_timer) step();
}

void TMarqueeProgressBar::step() {
  m_offset = (m_offset + 4) % std::max(1, width() + width() / 4);
  update();
}

void TMarqueeProgressBar::paintEvent(QPaintEvent* event) {
  QProgressBar::paintEvent(event);
  if (!m_active) return;
  // A block a quarter of the width wide runs from left to right.
  QPainter p(this);
  const int block = std::max(8, width() / 4);
  const QRect r(m_offset - block, 2, block, height() - 4);
  p.fillRect(r.intersected(rect().adjusted(2, 2, -2, -2)), palette().color(QPalette::Highlight));
}

}  // namespace vantorim::common
