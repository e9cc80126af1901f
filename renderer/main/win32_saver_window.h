#pragma once

#include <windows.h>

// Registers the saver window class, creates the full-screen window on the
// primary monitor and black covers on the others, and runs the message loop,
// drawing about 60 frames a second between messages. Returns the exit status.
int RunSaverWindow();

// Fills the fixed animation settings and gives the window the title the saver
// shell looks for.
void ApplySettings(HWND window);

// Creation and destruction stage of the window procedure chain: builds the
// scene on creation and releases it on destruction; then the input stage.
LRESULT SaverLifecycleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws one frame when the scene runs and no password dialog is up; true when
// it did.
bool IdleFrame();
