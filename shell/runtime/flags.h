// The shell's 16-bit flags: True is -1 (all bits set), False is 0, and any
// non-zero value counts as set.
#pragma once

#include <cstdint>

namespace zelvane::rt {

using Flag = std::int16_t;

inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

constexpr Flag ToFlag(bool value) {
  return value ? kTrue : kFalse;
}
constexpr bool IsSet(Flag value) {
  return value != 0;
}

}  // namespace zelvane::rt
