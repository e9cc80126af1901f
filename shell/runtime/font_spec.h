// A font as forms, labels and property bags hand it around: everything needed
// to create it again.
#pragma once

#include <string>

namespace zelvane::rt {

// Character sets of the fonts the shell uses.
inline constexpr int kDefaultCharset = 1;
inline constexpr int kShiftJisCharset = 128;

struct FontSpec {
  std::wstring face = L"Tahoma";
  double points = 8.25;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int charset = kDefaultCharset;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace zelvane::rt
