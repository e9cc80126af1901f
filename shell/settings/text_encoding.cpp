#include "text_encoding.h"

#include "cp932.h"

namespace zelvane::settings {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// Appends one code point as wchar_t: a surrogate pair where wchar_t holds
// UTF-16 (Windows), the code point itself where it holds UTF-32.
void AppendCodePoint(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

unsigned char Byte(std::string_view bytes, std::size_t pos) {
  return static_cast<unsigned char>(bytes[pos]);
}

}  // namespace

TextEncoding DetectEncoding(std::string_view fileBytes) {
  if (fileBytes.starts_with(kUtf8Mark)) return TextEncoding::kUtf8;
  if (fileBytes.starts_with(kUtf16LittleEndianMark)) return TextEncoding::kUtf16LittleEndian;
  if (fileBytes.starts_with(kUtf16BigEndianMark)) return TextEncoding::kUtf16BigEndian;
  return TextEncoding::kCp932;
}

std::string Cp932TextOfFile(std::string_view fileBytes) {
  switch (DetectEncoding(fileBytes)) {
    case TextEncoding::kUtf8:
      return WideToCp932(WideFromUtf8(fileBytes.substr(kUtf8Mark.size())));
    case TextEncoding::kUtf16LittleEndian:
      return WideToCp932(WideFromUtf16(fileBytes.substr(2), false));
    case TextEncoding::kUtf16BigEndian:
      return WideToCp932(WideFromUtf16(fileBytes.substr(2), true));
    case TextEncoding::kCp932:
      break;
  }
  return std::string(fileBytes);
}

std::wstring WideFromUtf8(std::string_view bytes) {
  std::wstring out;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const unsigned char lead = Byte(bytes, pos);
    std::size_t length = 1;
    char32_t c = lead;
    char32_t smallest = 0;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, c = lead & 0x07, smallest = 0x10000;
    } else if (lead >= 0xE0) {
      length = lead <= 0xEF ? 3 : 0, c = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xC2) {
      length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0x80) {
      length = 0;  // a continuation byte or an overlong two-byte lead
    }
    std::size_t taken = 1;
    if (length == 0) {
      c = kReplacement;
    } else {
      for (; taken < length && pos + taken < bytes.size(); ++taken) {
        const unsigned char next = Byte(bytes, pos + taken);
        if ((next & 0xC0) != 0x80) break;
        c = (c << 6) | (next & 0x3F);
      }
      if (taken < length || c < smallest || c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
    }
    AppendCodePoint(out, c);
    pos += taken;
  }
  return out;
}

std::wstring WideFromUtf16(std::string_view bytes, bool bigEndian) {
  auto unit = [&](std::size_t i) -> char32_t {
    const unsigned char first = Byte(bytes, 2 * i);
    const unsigned char second = Byte(bytes, 2 * i + 1);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
  };
  const std::size_t units = bytes.size() / 2;  // an odd last byte is no character
  std::wstring out;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (IsSurrogate(c)) {
      c = kReplacement;
    }
    AppendCodePoint(out, c);
  }
  return out;
}

}  // namespace zelvane::settings
