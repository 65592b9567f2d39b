// Plugs the skinned menus into the skin manager's factories.
#pragma once

namespace wakespan {

// Registers the popup-menu window wrapper, the menu border drawing of the
// application window's messages and the hooking of the menus when the
// manager starts or stops skinning.
void RegisterMenuSkinning();

}  // namespace wakespan
