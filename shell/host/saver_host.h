// The saver host: the invisible run-mode form. It starts the background music
// and the renderer, and ends the shell once the renderer's window has gone.
#pragma once

namespace zelvane::host {

// Loads the host without showing it; its load handler starts the run.
void LoadSaverHost();

}  // namespace zelvane::host
