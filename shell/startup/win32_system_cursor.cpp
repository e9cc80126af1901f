// The system's mouse cursor for a saver run, through ShowCursor.
#include <windows.h>

#include "startup_state.h"

namespace zelvane::startup {
namespace {

class SystemCursorDisplay final : public CursorDisplay {
 public:
  void Hide() override { CursorCount = ShowCursor(FALSE); }
  // One show undoes the one hide at start, whatever count that hide left.
  void Show() override { CursorCount = ShowCursor(TRUE); }
};

}  // namespace

CursorDisplay& SystemCursor() {
  static SystemCursorDisplay cursor;
  return cursor;
}

}  // namespace zelvane::startup
