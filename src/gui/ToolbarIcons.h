#pragma once

#include <QIcon>

namespace lumivex::gui {

/// The toolbar picture of a command, 20 x 18 (with a sharp double-resolution version);
/// an empty icon for a command without one. Disabled commands grey it as Qt does.
[[nodiscard]] QIcon ToolbarIcon(int commandId);

} // namespace lumivex::gui
