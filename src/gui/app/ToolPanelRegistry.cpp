#include "gui/app/ToolPanel.h"

namespace vantorim::gui {

ToolPanelRegistry::ToolPanelRegistry() = default;

ToolPanelRegistry& ToolPanelRegistry::instance() {
  static ToolPanelRegistry registry;
  static const bool filled = (registerToolPanels(registry), true);
  (void)filled;
  return registry;
}

void ToolPanelRegistry::add(PanelId id, ToolPanelFactory factory) {
  m_factories[static_cast<int>(id)] = std::move(factory);
}

ToolPanelFactory ToolPanelRegistry::factory(PanelId id) const {
  return m_factories[static_cast<int>(id)];
}

}  // namespace vantorim::gui
