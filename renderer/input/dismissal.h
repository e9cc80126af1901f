// The rules that end the saver on user input: arming, the mouse threshold and
// the close request. Platform-neutral; done on Win32 windows by win32_dismissal.h.
#pragma once

#include <cstdint>
#include <optional>

#include "input/dismissal_state.h"

class ScreenSaverPasswordSystem;

// A mouse movement larger than this (|dx| + |dy|, screen pixels) dismisses.
inline constexpr int kMouseMoveThreshold = 4;

// The window messages the saver window acts on. The numbers are the system's.
namespace saver_message {
inline constexpr uint32_t kCreate = 0x0001;
inline constexpr uint32_t kDestroy = 0x0002;
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kShowWindow = 0x0018;
inline constexpr uint32_t kActivateApp = 0x001C;
inline constexpr uint32_t kSetCursor = 0x0020;
inline constexpr uint32_t kKeyDown = 0x0100;
inline constexpr uint32_t kSysKeyDown = 0x0104;
inline constexpr uint32_t kSysCommand = 0x0112;
inline constexpr uint32_t kMouseMove = 0x0200;
inline constexpr uint32_t kLeftButtonDown = 0x0201;
inline constexpr uint32_t kRightButtonDown = 0x0204;
inline constexpr uint32_t kMiddleButtonDown = 0x0207;

inline constexpr uintptr_t kCommandNextWindow = 0xF040;
inline constexpr uintptr_t kCommandPrevWindow = 0xF050;
inline constexpr uintptr_t kCommandScreenSave = 0xF140;
}  // namespace saver_message

// What the dismissal logic asks of the saver window.
class SaverWindowActions {
 public:
  virtual ~SaverWindowActions() = default;
  virtual ScreenPoint CursorPosition() = 0;
  virtual void HideCursor() = 0;
  virtual void PostCloseRequest() = 0;
};

// A message answered here stops the window procedure chain with the given
// result; nothing means "pass it on".
using StageAnswer = std::optional<intptr_t>;

// The window has just been created: take the cursor reference and hide it.
void OnSaverWindowCreated(DismissalState& state, SaverWindowActions& window);

// First stage: swallows task switching and the system's own request to start
// a screen saver.
StageAnswer ClassStageAnswer(uint32_t message, uintptr_t wParam);

// Input stage: user input arms and requests the close; an armed close request
// is let through (to default handling, which destroys the window) once the
// password check allows it.
StageAnswer InputStageAnswer(DismissalState& state, uint32_t message, uintptr_t wParam,
                             SaverWindowActions& window, ScreenSaverPasswordSystem& password);
