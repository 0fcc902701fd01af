// The tool panels that exist. Add one line per panel:
//   registry.add(PanelId::FileRename01, [](QWidget* p) { return new TFileRename(p); });
// with the panel's header included above.

#include "gui/app/ToolPanel.h"
#include "gui/rename/FileRename.h"
#include "gui/rename/FilenamePreview.h"

namespace vantorim::gui {

void registerToolPanels(ToolPanelRegistry& registry) {
  registry.add(PanelId::FileRename01, [](QWidget* p) { return new rename::TFileRename(p); });
  registry.add(PanelId::FilenamePreview01, [](QWidget* p) { return new rename::TFilenamePreview(p); });
}

}  // namespace vantorim::gui
