// The keyboard's way to a window's context menu: the Menu key and Shift+F10 open it from
// whichever control has the focus, and in an edit the window's entries join the edit's
// own menu, also on a right-click.
#pragma once

namespace shell {

// Installs the application's one filter for this; later calls do nothing.
void installMenuKeys();

}  // namespace shell
