#pragma once

#include <windows.h>

// The window procedure of the saver class: keeps the cursor reference, swallows
// task switching, posts the quit message on destruction, then hands the
// message to the lifecycle stage.
LRESULT CALLBACK SaverClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Input and close stage: interprets user input and accepts an armed close.
LRESULT SaverInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The same for another window of the saver: user input on it requests the
// close of the field's window, by the same rules.
LRESULT SaverInputProc(HWND fieldWindow, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True when the window may close (no password, or the Windows 9x password
// verifier allowed it).
bool VerifyPassword(HWND window);
