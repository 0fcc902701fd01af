#pragma once
// The program's gradient fill and the yellow frame of its borderless windows.

#include <QColor>
#include <QList>
#include <QRect>

#include <stdexcept>

class QPainter;

namespace vantorim::common {

// Raised by PaintGradient for fewer than two colours.
class GradientError : public std::runtime_error {
public:
  GradientError();
};

// Fills `rect` with `segments` colour transitions through `colors` (segments + 1
// colours). `alongX`: the colour changes along x (vertical lines), else along y.
// Each segment is s = L / n pixels (rounded half to even), the last one
// L - (n - 1) * s - 1; within a segment of length e, step p has the channel
// trunc(first + (second - first) * p / e), drawn as a one-pixel line.
void PaintGradient(QPainter& painter, const QRect& rect, bool alongX, int segments,
                   const QList<QColor>& colors);

// The colour PaintGradient draws at `offset` along the gradient direction of a
// rectangle `length` pixels long; for tests and for code that needs one line.
QColor gradientColorAt(int length, int segments, const QList<QColor>& colors, int offset);

// 21 nested one-pixel rectangles from (255,255,0) outside, 6 darker per ring inwards.
void PaintYellowFrame(QPainter& painter, const QRect& rect);

// Frame colour of ring i (0 outermost .. 20).
QColor yellowFrameColor(int ring);

}  // namespace vantorim::common
