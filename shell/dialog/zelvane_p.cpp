#include "zelvane_p.h"

#include "resources/shell_resource_ids.h"
#include "startup/shell_names.h"

namespace {

constexpr int kClientWidthTwips = 7440;   // 496 pixels
constexpr int kClientHeightTwips = 3690;  // 246 pixels
constexpr zelvane::rt::Colour kBackColour = 0x00C0C0C0;

zelvane::rt::FormLayout DialogLayout() {
  zelvane::rt::FormLayout layout;
  layout.caption = zelvane::kSettingsDialogTitle;
  layout.border = zelvane::rt::BorderStyle::kFixedDialog;
  layout.clientWidth = kClientWidthTwips;
  layout.clientHeight = kClientHeightTwips;
  layout.appearance.backColour = kBackColour;
  // The program's own icon; a program without one gets the default.
  layout.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SHELL_ICON));
  return layout;
}

}  // namespace

Zelvane_P::Zelvane_P() : Form(DialogLayout()) {}
