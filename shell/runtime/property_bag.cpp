#include "property_bag.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <optional>

namespace zelvane::rt {
namespace {

wchar_t Fold(wchar_t c) {
  return static_cast<wchar_t>(std::towupper(c));
}

// A text read as a decimal number: blanks around it, an optional sign, digits
// with an optional fraction. Anything else is not a number.
std::optional<double> ParseNumber(std::wstring_view text) {
  std::size_t i = 0, end = text.size();
  while (i < end && std::iswspace(text[i])) ++i;
  while (end > i && std::iswspace(text[end - 1])) --end;
  if (i == end) return std::nullopt;
  bool negative = false;
  if (text[i] == L'+' || text[i] == L'-') negative = text[i++] == L'-';
  double value = 0;
  double scale = 0;  // 0 before the decimal point, then the current place value
  bool digits = false;
  for (; i < end; ++i) {
    const wchar_t c = text[i];
    if (c >= L'0' && c <= L'9') {
      digits = true;
      if (scale == 0) {
        value = value * 10 + (c - L'0');
      } else {
        value += (c - L'0') * scale;
        scale /= 10;
      }
    } else if (c == L'.' && scale == 0) {
      scale = 0.1;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return negative ? -value : value;
}

std::optional<double> NumberOf(const PropertyValue& value) {
  if (auto n = std::get_if<std::int64_t>(&value)) return static_cast<double>(*n);
  if (auto t = std::get_if<std::wstring>(&value)) return ParseNumber(*t);
  return std::nullopt;
}

}  // namespace

bool SameValue(const PropertyValue& a, const PropertyValue& b) {
  const auto* fontA = std::get_if<FontSpec>(&a);
  const auto* fontB = std::get_if<FontSpec>(&b);
  if (fontA || fontB) return fontA && fontB && *fontA == *fontB;
  const auto numberA = NumberOf(a), numberB = NumberOf(b);
  if (numberA && numberB) return *numberA == *numberB;
  return ToText(a) == ToText(b);
}

std::wstring ToText(const PropertyValue& value) {
  if (auto n = std::get_if<std::int64_t>(&value)) return std::to_wstring(*n);
  if (auto t = std::get_if<std::wstring>(&value)) return *t;
  throw RuntimeError("a font has no text value");
}

FontSpec ToFont(const PropertyValue& value) {
  if (auto f = std::get_if<FontSpec>(&value)) return *f;
  throw RuntimeError("value is not a font");
}

std::int64_t ToWholeNumber(const PropertyValue& value) {
  if (auto n = std::get_if<std::int64_t>(&value)) return *n;
  const auto number = NumberOf(value);
  // Beyond this the conversion to a whole number is not defined.
  if (!number || std::fabs(*number) >= 9.2e18) throw RuntimeError("value is not a number");
  return static_cast<std::int64_t>(std::nearbyint(*number));
}

bool PropertyBag::KeyLess::operator()(std::wstring_view a, std::wstring_view b) const {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const wchar_t x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::wstring, PropertyValue>> values) {
  for (const auto& [key, value] : values) values_.insert_or_assign(key, value);
}

PropertyValue PropertyBag::ReadProperty(std::wstring_view key, PropertyValue defaultValue) const {
  auto it = values_.find(key);
  return it == values_.end() ? std::move(defaultValue) : it->second;
}

void PropertyBag::WriteProperty(std::wstring_view key, PropertyValue value,
                                const PropertyValue& defaultValue) {
  auto it = values_.find(key);
  if (SameValue(value, defaultValue)) {
    if (it != values_.end()) values_.erase(it);
    return;
  }
  if (it != values_.end()) {
    it->second = std::move(value);
  } else {
    values_.emplace(std::wstring(key), std::move(value));
  }
}

bool PropertyBag::Contains(std::wstring_view key) const {
  return values_.count(key) != 0;
}

}  // namespace zelvane::rt
