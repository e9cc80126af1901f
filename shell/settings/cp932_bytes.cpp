#include "cp932_bytes.h"

namespace zelvane::settings {
namespace {

char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view Cp932Prefix(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + Cp932CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return text.substr(0, end);
}

std::size_t Cp932Find(std::string_view text, char c, std::size_t from) {
  for (std::size_t pos = from; pos < text.size(); pos += Cp932CharLength(text, pos)) {
    if (text[pos] == c && Cp932CharLength(text, pos) == 1) return pos;
  }
  return std::string_view::npos;
}

bool Cp932EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = Cp932CharLength(a, pos);
    if (length == 2) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
    } else if (FoldAscii(a[pos]) != FoldAscii(b[pos])) {
      return false;
    }
    pos += length;
  }
  return true;
}

}  // namespace zelvane::settings
