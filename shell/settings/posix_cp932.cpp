// Code page 932 through iconv, for the platform-neutral tests on systems
// other than Windows.
#include "cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace zelvane::settings {
namespace {

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts in; on an input unit that cannot be converted, appends
  // replacement to the output and skips skipBytes input bytes.
  template <class Out, class In>
  Out Convert(const In* in, std::size_t inBytes, std::size_t skipBytes,
              const typename Out::value_type replacement) {
    Out out;
    char* src = const_cast<char*>(reinterpret_cast<const char*>(in));
    char buffer[256];
    while (inBytes > 0) {
      char* dst = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t result = iconv(cd_, &src, &inBytes, &dst, &room);
      Append(out, buffer, static_cast<std::size_t>(dst - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or incomplete unit.
      out.push_back(replacement);
      const std::size_t skip = inBytes < skipBytes ? inBytes : skipBytes;
      src += skip;
      inBytes -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  static void Append(std::string& out, const char* bytes, std::size_t size) {
    out.append(bytes, size);
  }
  static void Append(std::wstring& out, const char* bytes, std::size_t size) {
    const std::size_t old = out.size();
    out.resize(old + size / sizeof(wchar_t));
    std::memcpy(out.data() + old, bytes, size - size % sizeof(wchar_t));
  }

  iconv_t cd_;
};

constexpr wchar_t kReplacementCharacter = L'\uFFFD';

}  // namespace

std::string WideToCp932(std::wstring_view text) {
  Converter converter("CP932", "WCHAR_T");
  if (!converter.ok() || text.empty()) return {};
  return converter.Convert<std::string>(text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t),
                                        '?');
}

std::wstring Cp932ToWide(std::string_view bytes) {
  Converter converter("WCHAR_T", "CP932");
  if (!converter.ok() || bytes.empty()) return {};
  return converter.Convert<std::wstring>(bytes.data(), bytes.size(), 1, kReplacementCharacter);
}

}  // namespace zelvane::settings
