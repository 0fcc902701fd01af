#include "gui/common/PaintGradient.h"

#include <QPainter>

#include <cmath>

namespace vantorim::common {

GradientError::GradientError()
    : std::runtime_error("Es müssen mindestens zwei Farben angegeben werden.") {}

namespace {

struct Segment {
  int start;
  int length;  // e: steps p = 0 .. e are drawn
};

// Rounds half to the even neighbour, as the segment length rule asks.
int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

int channel(int first, int second, int p, int e) {
  if (e <= 0) return first;  // a one-pixel segment shows its first colour
  return static_cast<int>(std::trunc(first + (second - first) * static_cast<double>(p) / e));
}

template <typename Draw>
void walk(int length, int n, const QList<QColor>& colors, Draw draw) {
  if (n < 1 || colors.size() < n + 1) throw GradientError();
  const int s = roundHalfEven(static_cast<double>(length) / n);
  for (int i = 0; i < n; ++i) {
    const int e = i < n - 1 ? s : length - (n - 1) * s - 1;
    const QColor a = colors[i].toRgb(), b = colors[i + 1].toRgb();
    for (int p = 0; p <= e; ++p) {
      const int offset = i * s + p;
      if (offset < 0 || offset >= length) continue;
      draw(offset, QColor(channel(a.red(), b.red(), p, e), channel(a.green(), b.green(), p, e),
                          channel(a.blue(), b.blue(), p, e)));
    }
  }
}

}  // namespace

void PaintGradient(QPainter& painter, const QRect& rect, bool alongX, int segments,
                   const QList<QColor>& colors) {
  if (segments < 1 || colors.size() < segments + 1) throw GradientError();
  const int length = alongX ? rect.width() : rect.height();
  painter.save();
  QPen pen;
  pen.setWidth(1);
  pen.setStyle(Qt::SolidLine);
  pen.setCosmetic(true);
  walk(length, segments, colors, [&](int offset, const QColor& c) {
    pen.setColor(c);
    painter.setPen(pen);
    if (alongX) {
      const int x = rect.left() + offset;
      painter.drawLine(x, rect.top(), x, rect.bottom());
    } else {
      const int y = rect.top() + offset;
      painter.drawLine(rect.left(), y, rect.right(), y);
    }
  });
  painter.restore();  // pen width, style and colour as before
}

QColor gradientColorAt(int length, int segments, const QList<QColor>& colors, int offset) {
  QColor result;
  walk(length, segments, colors, [&](int o, const QColor& c) {
    if (o == offset) result = c;  // later steps overwrite earlier ones, as on screen
  });
  return result;
}

QColor yellowFrameColor(int ring) { return QColor(255 - 6 * ring, 255 - 6 * ring, 0); }

void PaintYellowFrame(QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < 21; ++i) {
    QPen pen(yellowFrameColor(i));
    pen.setWidth(1);
    painter.setPen(pen);
    const QRect r = rect.adjusted(i, i, -i, -i);
    if (r.width() <= 0 || r.height() <= 0) break;
    painter.drawRect(r.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}

}  // namespace vantorim::common
