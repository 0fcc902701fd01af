#include "gui/common/ShellImages.h"

namespace vantorim::common {

TShellImages::TShellImages(QObject* parent) : QObject(parent) { refresh(); }

QIcon TShellImages::largeIcon(const QFileInfo& info) const { return m_provider->icon(info); }

QIcon TShellImages::smallIcon(const QFileInfo& info) const { return m_provider->icon(info); }

void TShellImages::refresh() {
  m_provider = std::make_unique<QFileIconProvider>();
  Q_EMIT refreshed();
}

}  // namespace vantorim::common
