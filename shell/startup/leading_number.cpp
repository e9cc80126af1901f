#include "leading_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zelvane::startup {
namespace {

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// Appends the digits at text[pos...] to out; returns how many there were.
std::size_t TakeDigits(std::wstring_view text, std::size_t& pos, std::string& out) {
  std::size_t count = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++count) {
    out += static_cast<char>(text[pos]);
  }
  return count;
}

}  // namespace

std::optional<double> LeadingNumber(std::wstring_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t')) ++pos;

  bool negative = false;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    negative = text[pos] == L'-';
    ++pos;
  }

  std::string number;  // the ASCII spelling of the number, without its sign
  std::size_t digits = TakeDigits(text, pos, number);
  if (pos < text.size() && text[pos] == L'.') {
    number += '.';
    ++pos;
    digits += TakeDigits(text, pos, number);
  }
  if (digits == 0) return 0.0;

  // An exponent counts only when at least one digit follows the letter.
  if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
    std::size_t exponent_pos = pos + 1;
    std::string exponent = "e";
    if (exponent_pos < text.size() && (text[exponent_pos] == L'+' || text[exponent_pos] == L'-')) {
      exponent += static_cast<char>(text[exponent_pos]);
      ++exponent_pos;
    }
    if (TakeDigits(text, exponent_pos, exponent) > 0) number += exponent;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int32_t> RoundTo32Bits(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0)) return std::nullopt;
  // The conversion to 32 bits keeps the low 32 bits.
  return static_cast<std::int32_t>(static_cast<std::int64_t>(rounded));
}

}  // namespace zelvane::startup
