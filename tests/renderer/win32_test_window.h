// A visible pop-up window with its own device context, for the tests that draw
// with the renderer's OpenGL scene or stand in for the saver's field.
#pragma once

#include <windows.h>

inline HWND CreateSceneTestWindow(const wchar_t* className, int width, int height,
                                  DWORD exStyle = 0, WNDPROC procedure = DefWindowProcW) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassW(&windowClass);
  return CreateWindowExW(exStyle, className, L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                         nullptr, nullptr, windowClass.hInstance, nullptr);
}
