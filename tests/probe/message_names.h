// Window messages by name, so tests can write "WM_CLOSE" instead of 16.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The number of a known message name, or of a number written as ParseNumber reads it.
std::optional<std::uint32_t> MessageNumber(const std::wstring& nameOrNumber);
