#include "message_names.h"

#include <array>
#include <utility>

#include "arguments.h"

namespace {

constexpr std::array<std::pair<const wchar_t*, std::uint32_t>, 22> kMessages{{
    {L"WM_CREATE", 0x0001},     {L"WM_DESTROY", 0x0002},     {L"WM_ACTIVATE", 0x0006},
    {L"WM_SETFOCUS", 0x0007},   {L"WM_KILLFOCUS", 0x0008},   {L"WM_CLOSE", 0x0010},
    {L"WM_QUIT", 0x0012},       {L"WM_SHOWWINDOW", 0x0018},  {L"WM_ACTIVATEAPP", 0x001C},
    {L"WM_SETCURSOR", 0x0020},  {L"WM_KEYDOWN", 0x0100},     {L"WM_KEYUP", 0x0101},
    {L"WM_SYSKEYDOWN", 0x0104}, {L"WM_COMMAND", 0x0111},     {L"WM_SYSCOMMAND", 0x0112},
    {L"WM_TIMER", 0x0113},      {L"WM_MOUSEMOVE", 0x0200},   {L"WM_LBUTTONDOWN", 0x0201},
    {L"WM_LBUTTONUP", 0x0202},  {L"WM_RBUTTONDOWN", 0x0204}, {L"WM_MBUTTONDOWN", 0x0207},
    {L"WM_MOUSEWHEEL", 0x020A},
}};

}  // namespace

std::optional<std::uint32_t> MessageNumber(const std::wstring& nameOrNumber) {
  for (const auto& [name, number] : kMessages) {
    if (nameOrNumber == name) return number;
  }
  auto number = ParseNumber(nameOrNumber);
  if (!number || *number > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::uint32_t>(*number);
}
