// The settings dialog: the window the shell shows, modally, in configure mode.
// For now a bare fixed window with its caption and close box.
#pragma once

#include "runtime/win32_form.h"

class Zelvane_P : public zelvane::rt::Form {
 public:
  Zelvane_P();
};
