// Reading the number at the start of a text, the way the shell reads numbers
// from its command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelvane::startup {

// The decimal number at the start of text: leading blanks and tabs are
// skipped; then an optional sign, digits with an optional fraction and an
// optional exponent. Reading stops at the first character that cannot
// continue the number. Text without a number gives 0; a number beyond the
// range of a double gives nothing.
std::optional<double> LeadingNumber(std::wstring_view text);

// value rounded to the nearest integer (halves to the even neighbour), as 32
// bits read signed: from -2^31 to 2^31 - 1 as it is, from 2^31 to 2^32 - 1 (the
// same bits read unsigned) less 2^32. Nothing when it lies outside both ranges.
std::optional<std::int32_t> RoundTo32Bits(double value);

}  // namespace zelvane::startup
