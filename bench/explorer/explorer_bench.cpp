// Opens a folder of many files in an explorer pane and reports the time to the
// first painted rows and to the complete listing.
//   explorer_bench [count=100000] [report|list|thumbs]

#include "gui/app/ExplorerPane.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
class PaintWatch : public QObject {
public:
  explicit PaintWatch(std::function<void()> onPaint) : m_onPaint(std::move(onPaint)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) m_onPaint();
    return false;
  }

private:
  std::function<void()> m_onPaint;
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
  const QString mode = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("report");
  QTemporaryDir dir;
  for (int i = 0; i < count; ++i) {
    QFile f(dir.filePath(QStringLiteral("file_%1.txt").arg(i, 6, 10, QLatin1Char('0'))));
    if (!f.open(QIODevice::WriteOnly)) return 2;
    if (i % 7 == 0) f.write("x");
  }
  std::printf("created %d files in %s\n", count, qPrintable(dir.path()));

  vantorim::gui::ExplorerPane pane(QStringLiteral("01"));
  pane.resize(1200, 800);
  pane.setViewStyle(mode == QLatin1String("list")     ? vantorim::gui::ViewStyle::List
                    : mode == QLatin1String("thumbs") ? vantorim::gui::ViewStyle::Thumbs
                                                      : vantorim::gui::ViewStyle::Report);
  pane.show();
  QApplication::processEvents();

  QElapsedTimer clock;
  qint64 firstRows = -1, complete = -1, maxGap = 0, lastTick = 0;
  PaintWatch watch([&] {
    if (firstRows < 0 && pane.itemCount() > 0) firstRows = clock.elapsed();
  });
  pane.currentView()->viewport()->installEventFilter(&watch);
  // Event-loop responsiveness: the longest gap between 10 ms ticks.
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    maxGap = std::max(maxGap, now - lastTick);
    lastTick = now;
    if (complete < 0 && pane.itemCount() == count) complete = now;
    if (complete >= 0 && firstRows >= 0) QApplication::quit();
    if (now > 120000) QApplication::quit();
  });
  clock.start();
  tick.start(10);
  pane.setRoot(dir.path());
  QApplication::exec();
  std::printf("view=%s items=%d first painted rows: %lld ms, complete listing: %lld ms, longest UI stall: %lld ms\n",
              qPrintable(mode), pane.itemCount(), firstRows, complete, maxGap);
  return complete >= 0 ? 0 : 1;
}
