// The tool panels that exist. Add one line per panel:
//   registry.add(PanelId::FileRename01, [](QWidget* p) { return new TFileRename(p); });
// with the panel's header included above.

#include "gui/app/ToolPanel.h"

namespace vantorim::gui {

void registerToolPanels(ToolPanelRegistry& registry) {
  (void)registry;
}

}  // namespace vantorim::gui
