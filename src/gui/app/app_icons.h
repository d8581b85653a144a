#pragma once

#include <QIcon>

namespace vianora::gui {

/// The program's own icon (main window, trip windows, desktop entry).
QIcon applicationIcon();
/// The 18 by 20 pixel picture of the trip window's "Update" button.
QIcon updateButtonIcon();
/// Makes the pictures under ":/vianora/" available. The functions above and the About
/// window call it themselves; calling it again does nothing.
void loadImageResources();

}  // namespace vianora::gui
