#pragma once
// Where a window opens.

class QWidget;

namespace cindrel {

/// Moves a top-level window so that it opens centred on the screen the main
/// window is on (the primary screen while there is none). Where the
/// platform places windows itself, as Wayland compositors do, the move has
/// no effect.
void centreOnMainWindowScreen(QWidget *window);

} // namespace cindrel
