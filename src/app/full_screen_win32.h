// Whether a program fills the screen the popups appear on, read from the system once a tick.
#pragma once

namespace tavlin {

/// True when the foreground window is another program's (not the desktop's, the shell's or
/// tavlin's own), not maximised, and covers the whole monitor the popups appear on: the one the
/// work area lies on.
bool ProgramFillsPopupScreen();

}  // namespace tavlin
