#include "profile_text.h"

#include <vector>

#include "cp932_bytes.h"

namespace zelvane::settings {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineBreaks{"\r\n\0", 3};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Blanks are single-byte characters and never the second byte of a two-byte
// one, so trimming them byte-wise is safe.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Lines end in CR LF, LF or CR; the last line may have no end.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

struct ProfileLine {
  enum class Kind { kOther, kSection, kKey } kind = Kind::kOther;
  std::string_view name;   // of the section or the key
  std::string_view value;  // of a key, trimmed, quotes still on
};

ProfileLine ParseLine(std::string_view line) {
  const std::string_view text = Trim(line);
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = Cp932Find(text, ']', 1);
    if (close == std::string_view::npos) return {};
    return {ProfileLine::Kind::kSection, Trim(text.substr(1, close - 1)), {}};
  }
  // '=' is never part of a two-byte character.
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view key = Trim(text.substr(0, equals));
  if (key.empty()) return {};
  return {ProfileLine::Kind::kKey, key, Trim(text.substr(equals + 1))};
}

std::string_view DropQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\'')) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where section and key sit among the lines.
struct Place {
  std::size_t keyLine = kNone;         // the first matching key in the first such section
  std::size_t sectionLine = kNone;     // the first matching section header
  std::size_t lastLineOfKeys = kNone;  // last key line of that section, else its header
};

Place Locate(const std::vector<std::string_view>& lines, std::string_view section,
             std::string_view key) {
  Place place;
  // Only the first copy of a section counts; later copies are kept but never
  // read nor written, as the system's own profile functions do.
  bool inFirstSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ProfileLine line = ParseLine(lines[i]);
    if (line.kind == ProfileLine::Kind::kSection) {
      inFirstSection = place.sectionLine == kNone && Cp932EqualIgnoringCase(line.name, section);
      if (inFirstSection) place.sectionLine = place.lastLineOfKeys = i;
    } else if (line.kind == ProfileLine::Kind::kKey && inFirstSection) {
      place.lastLineOfKeys = i;
      if (place.keyLine == kNone && Cp932EqualIgnoringCase(line.name, key)) place.keyLine = i;
    }
  }
  return place;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(kLineBreaks) != std::string_view::npos;
}

bool IsStorableSection(std::string_view section) {
  return !section.empty() && !HasLineBreak(section) &&
         Cp932Find(section, ']') == std::string_view::npos;
}

bool IsStorableKey(std::string_view key) {
  return !key.empty() && key.front() != '[' && !HasLineBreak(key) &&
         key.find('=') == std::string_view::npos;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const std::vector<std::string_view> lines = SplitLines(text);
  const Place place = Locate(lines, Trim(section), Trim(key));
  if (place.keyLine == kNone) return std::nullopt;
  return std::string(DropQuotes(ParseLine(lines[place.keyLine]).value));
}

std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (!IsStorableSection(section) || !IsStorableKey(key)) return std::nullopt;
  value = value.substr(0, value.find_first_of(kLineBreaks));

  std::vector<std::string_view> lines = SplitLines(text);
  const Place place = Locate(lines, section, key);

  std::string keyLine;
  keyLine.append(key).append("=").append(value);
  std::string sectionLine;
  sectionLine.append("[").append(section).append("]");

  if (place.keyLine != kNone) {
    lines[place.keyLine] = keyLine;
  } else if (place.sectionLine != kNone) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.lastLineOfKeys + 1), keyLine);
  } else {
    // A blank line keeps a new section apart from what comes before it.
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back({});
    lines.push_back(sectionLine);
    lines.push_back(keyLine);
  }

  std::string result;
  for (const std::string_view line : lines) result.append(line).append(kLineEnd);
  return result;
}

}  // namespace zelvane::settings
