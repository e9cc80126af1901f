// The saver's full-screen windows: the primary field's class, its one window
// procedure and the run. Input rules are in input/, the drawing in scene/.
#pragma once

#include <windows.h>

// Registers the saver window class, creates the primary monitor's field window
// (the one the saver shell watches) and lays out the other monitors' fields
// and covers. False when no window could be made.
bool OpenSaverWindows();

// Opens the saver's windows (unless a saver is still being created: that one
// is brought forward instead) and runs the message loop, drawing about 60
// frames a second between messages and resting while the displays are off.
// Returns the exit status.
int RunSaverWindow();

// Fills the fixed animation settings and gives the window the title the saver
// shell looks for.
void ApplySettings(HWND window);

// The window procedure of the saver class, in stages: the class stage swallows
// task switching; creation takes the cursor reference and builds the scene,
// destruction releases it and ends the message loop; display power and layout
// changes are noted; the input stage interprets user input and accepts an
// armed close; the rest goes to the default procedure.
LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws one frame of every field when the scenes run and no password dialog is
// up; true when it did.
bool IdleFrame();

// True while the displays are off: nothing is drawn and the loop waits for
// messages alone.
bool SaverResting();
