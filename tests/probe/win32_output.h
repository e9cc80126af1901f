// The probe's output: UTF-8 lines of key=value on standard output, written at
// once (unbuffered) so a reader sees each line while the probe still runs.
// Records of several values are separated by an empty line.
#pragma once

#include <cstdint>
#include <string_view>

void PrintValue(std::wstring_view key, std::wstring_view value);
void PrintNumber(std::wstring_view key, std::int64_t value);
void PrintHex(std::wstring_view key, std::uint64_t value);
void PrintRecordEnd();

// One line "error=message" on standard error.
void PrintError(std::wstring_view message);
