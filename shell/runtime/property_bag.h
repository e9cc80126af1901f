// The property bag a container hands to a user control: named values that the
// control reads when it is loaded and writes when its container saves it.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "errors_suppressed.h"
#include "font_spec.h"

namespace zelvane::rt {

// A stored value: a whole number (flags included), a text or a font.
using PropertyValue = std::variant<std::int64_t, std::wstring, FontSpec>;

// Two values are the same when they are equal fonts, when both read as the
// same number (so 1 and "1" match), or else when their texts are equal.
bool SameValue(const PropertyValue& a, const PropertyValue& b);

// Conversions applied to a value read from a bag. Each raises RuntimeError when
// the value does not convert.
std::wstring ToText(const PropertyValue& value);
FontSpec ToFont(const PropertyValue& value);
// Text is read as a decimal number (blanks around it, optional sign, optional
// fraction); fractions round to the nearest whole number, halves to even.
std::int64_t ToWholeNumber(const PropertyValue& value);

template <class T>
T ToInteger(const PropertyValue& value) {
  const std::int64_t n = ToWholeNumber(value);
  if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) {
    throw RuntimeError("property value out of range");
  }
  return static_cast<T>(n);
}

class PropertyBag {
 public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<std::pair<std::wstring, PropertyValue>> values);

  // The stored value of a key, or defaultValue when the bag holds none.
  PropertyValue ReadProperty(std::wstring_view key, PropertyValue defaultValue) const;

  // Stores the value only when it differs from defaultValue; a value equal to the
  // default removes what was stored before, so reading gives the default again.
  void WriteProperty(std::wstring_view key, PropertyValue value, const PropertyValue& defaultValue);

  bool Contains(std::wstring_view key) const;
  std::size_t Size() const { return values_.size(); }

 private:
  // Keys are compared without regard to letter case.
  struct KeyLess {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const;
  };
  std::map<std::wstring, PropertyValue, KeyLess> values_;
};

}  // namespace zelvane::rt
