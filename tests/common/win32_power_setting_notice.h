// A power-setting notification as Windows lays it out: the setting, the data's
// length, then the data. Wine never sends the console display state itself, so
// tests hand it to the windows that listen for it.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

namespace zelvane {

inline std::vector<unsigned char> PowerSettingNotice(const GUID& guid, DWORD state,
                                                     DWORD length = sizeof(DWORD)) {
  std::vector<unsigned char> bytes(sizeof(POWERBROADCAST_SETTING) + sizeof state);
  auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(bytes.data());
  setting->PowerSetting = guid;
  setting->DataLength = length;
  std::memcpy(setting->Data, &state, sizeof state);
  return bytes;
}

// Tells window that the console display is off (0), on (1) or dimmed (2).
inline void SendConsoleDisplayState(HWND window, DWORD state) {
  std::vector<unsigned char> notice = PowerSettingNotice(GUID_CONSOLE_DISPLAY_STATE, state);
  SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
               reinterpret_cast<LPARAM>(notice.data()));
}

}  // namespace zelvane
