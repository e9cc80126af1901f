// The bytes of a settings file as code page 932 text. Windows writes the file
// in code page 932, but a user may have saved it from an editor as UTF-8 or
// UTF-16 with a byte-order mark; such a file is converted, so it reads the
// same and the next write stores code page 932 again.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::settings {

enum class TextEncoding { kCp932, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// The encoding its byte-order mark declares; code page 932 without one.
TextEncoding DetectEncoding(std::string_view fileBytes);

// The file's text in code page 932, without the byte-order mark. Characters
// that code page 932 cannot hold become '?'.
std::string Cp932TextOfFile(std::string_view fileBytes);

// UTF-8 or UTF-16 text (without a byte-order mark) as wide text; malformed
// sequences become U+FFFD.
std::wstring WideFromUtf8(std::string_view bytes);
std::wstring WideFromUtf16(std::string_view bytes, bool bigEndian);

}  // namespace zelvane::settings
