// Walking text stored in code page 932 (Shift-JIS) byte by byte without
// splitting its two-byte characters. The second byte of a two-byte character
// may equal an ASCII letter, '[', ']' or '\', so a byte-wise search or case
// fold would go wrong.
#pragma once

#include <cstddef>
#include <string_view>

namespace zelvane::settings {

// Whether byte starts a two-byte character (0x81-0x9F, 0xE0-0xFC).
inline bool IsCp932LeadByte(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length in bytes of the character that starts at text[pos]: 2 for a lead
// byte with a byte after it, otherwise 1.
inline std::size_t Cp932CharLength(std::string_view text, std::size_t pos) {
  return IsCp932LeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

// The longest start of text of at most maxBytes bytes that ends between two
// characters.
std::string_view Cp932Prefix(std::string_view text, std::size_t maxBytes);

// Position of the first single-byte character c at or after from (from on a
// character boundary), or npos.
std::size_t Cp932Find(std::string_view text, char c, std::size_t from = 0);

// Whether a and b are the same text when ASCII letters of single-byte
// characters are taken without regard to case.
bool Cp932EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace zelvane::settings
