// Plugs the skinned menus into the skin manager's factories.
#pragma once

namespace wakespan {

// Registers the popup-menu window wrapper, the menu border drawing of the
// application window's messages, the menu-bar items of skinned frames and
// the hooking of the menus when the manager starts or stops skinning.
void RegisterMenuSkinning();

}  // namespace wakespan
