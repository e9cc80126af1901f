// The saver's full-screen window: its class, its one window procedure and its
// run. Input rules are in input/, the drawing in scene/.
#pragma once

#include <windows.h>

// Registers the saver window class, creates the full-screen window on the
// primary monitor and black covers on the others, and runs the message loop,
// drawing about 60 frames a second between messages. Returns the exit status.
int RunSaverWindow();

// Fills the fixed animation settings and gives the window the title the saver
// shell looks for.
void ApplySettings(HWND window);

// The window procedure of the saver class, in stages: the class stage swallows
// task switching; creation takes the cursor reference and builds the scene,
// destruction releases it and ends the message loop; the input stage
// interprets user input and accepts an armed close; the rest goes to the
// default procedure.
LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws one frame when the scene runs and no password dialog is up; true when
// it did.
bool IdleFrame();
