#pragma once
// Two small progress displays: a plain bar for gauges and a marquee for work of
// unknown length.

#include <QColor>
#include <QProgressBar>
#include <QWidget>

#include <cstdint>

class QFrame;

namespace vantorim::common {

enum TOrientation { pbHorizontal = 0, pbVertical = 1 };

// A sunken panel with a filled bar. pbHorizontal fills from the bottom upwards,
// pbVertical from the left to the right; the bar is trunc(Position / Max × (side − 2)).
class TSimpleProgressBar : public QWidget {
  Q_OBJECT
public:
  explicit TSimpleProgressBar(QWidget* parent = nullptr);

  QColor color() const { return m_color; }
  void setColor(const QColor& color);
  std::uint32_t max() const { return m_max; }
  void setMax(std::uint32_t value);  // 0 is stored as 1
  TOrientation orientation() const { return m_orientation; }
  void setOrientation(TOrientation value);
  std::uint32_t position() const { return m_position; }
  void setPosition(std::uint32_t value);  // above Max is stored as Max

  // Geometry of the bar inside the panel.
  QRect barRect() const;
  QSize sizeHint() const override { return {100, 20}; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void updateBar();
  QFrame* m_panel;
  QWidget* m_bar;
  QColor m_color = QColor(0xFF, 0xFF, 0xFF);
  std::uint32_t m_max = 100;
  std::uint32_t m_position = 0;
  TOrientation m_orientation = pbHorizontal;
};

// A progress bar that runs a marquee while Active.
class TMarqueeProgressBar : public QProgressBar {
  Q_OBJECT
public:
  explicit TMarqueeProgressBar(QWidget* parent = nullptr);
  bool active() const { return m_active; }
  void setActive(bool value);
  // Milliseconds between animation steps.
  int animationSpeed() const { return m_speed; }
  void setAnimationSpeed(int ms);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void step();
  bool m_active = false;
  int m_speed = 60;
  int m_offset = 0;
  int m_timer = 0;
  void timerEvent(QTimerEvent* event) override;
};

}  // namespace vantorim::common
