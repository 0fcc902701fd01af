#pragma once
// The system's file icons in two sizes, shared by the information panels.

#include <QFileIconProvider>
#include <QIcon>
#include <QObject>

#include <memory>

namespace vantorim::common {

class TShellImages : public QObject {
  Q_OBJECT
public:
  explicit TShellImages(QObject* parent = nullptr);
  // Icon of a file, folder or drive root; 32 and 16 pixels.
  QIcon largeIcon(const QFileInfo& info) const;
  QIcon smallIcon(const QFileInfo& info) const;
  QPixmap largePixmap(const QFileInfo& info) const { return largeIcon(info).pixmap(32, 32); }
  QPixmap smallPixmap(const QFileInfo& info) const { return smallIcon(info).pixmap(16, 16); }
  // Called when media are inserted or removed: the icons are looked up afresh.
  void refresh();

Q_SIGNALS:
  void refreshed();

private:
  std::unique_ptr<QFileIconProvider> m_provider;
};

}  // namespace vantorim::common
