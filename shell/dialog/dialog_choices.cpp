#include "dialog_choices.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "cp932.h"
#include "profile_text.h"
#include "settings_names.h"
#include "settings_values.h"

namespace zelvane::dialog {
namespace {

constexpr std::size_t kOptionCount = 3;

// The profile file's own round trip: a value may lose blanks or quotes round it.
bool SurvivesProfileLine(const std::string& bytes) {
  constexpr std::string_view kSection = "Section", kKey = "Key";
  const std::optional<std::string> text = settings::SetProfileValue({}, kSection, kKey, bytes);
  return text && settings::FindProfileValue(*text, kSection, kKey) == bytes;
}

PathRefusal RefusalFor(std::wstring_view path) {
  const std::string bytes = settings::WideToCp932(path);
  if (settings::Cp932ToWide(bytes) != path || !SurvivesProfileLine(bytes))
    return PathRefusal::kCharacters;
  if (bytes.size() > settings::kMaxValueBytes) return PathRefusal::kLength;
  return PathRefusal::kNone;
}

}  // namespace

OptionView OptionViewFor(std::int16_t kind) {
  OptionView view;
  if (kind >= 0 && static_cast<std::size_t>(kind) < kOptionCount) {
    view.selected.at(static_cast<std::size_t>(kind)) = true;
  }
  view.trackBoxEnabled = kind == settings::kBgmAudioCd;
  view.fileButtonEnabled = kind == settings::kBgmMusicFile;
  return view;
}

std::wstring TrackText(std::int16_t track) {
  return track == 0 ? std::wstring() : std::to_wstring(track);
}

std::int16_t TrackNumberFromText(std::wstring_view text) {
  const std::optional<double> value = settings::DecimalNumber(text);
  if (!value) return 0;
  // nearbyint rounds halves to the even neighbour in the default mode.
  const double whole = std::nearbyint(*value);
  if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
        whole <= std::numeric_limits<std::int16_t>::max())) {
    return 0;
  }
  return static_cast<std::int16_t>(whole);
}

bool ReadsBackFromSettings(std::wstring_view path) {
  return RefusalFor(path) == PathRefusal::kNone;
}

MusicFilePath MusicFilePathFor(const std::wstring& chosen,
                               const std::function<std::wstring(const std::wstring&)>& shortForm) {
  const PathRefusal refusal = RefusalFor(chosen);
  if (refusal == PathRefusal::kNone) return {chosen, PathRefusal::kNone};
  const std::wstring shorter = shortForm ? shortForm(chosen) : std::wstring();
  if (!shorter.empty() && ReadsBackFromSettings(shorter)) return {shorter, PathRefusal::kNone};
  return {{}, refusal};
}

std::wstring_view RefusalText(PathRefusal refusal) {
  switch (refusal) {
    case PathRefusal::kCharacters:
      return L"選んだﾌｧｲﾙのﾊﾟｽには設定ﾌｧｲﾙ(Shift-JIS)に書けない文字があるため、"
             L"BGMﾌｧｲﾙにできません。別の名前か場所のﾌｧｲﾙを選んでください。";
    case PathRefusal::kLength:
      return L"選んだﾌｧｲﾙのﾊﾟｽは設定ﾌｧｲﾙに書ける長さ(255ﾊﾞｲﾄ)を超えるため、"
             L"BGMﾌｧｲﾙにできません。もっと短いﾊﾟｽのﾌｧｲﾙを選んでください。";
    case PathRefusal::kNone:
      break;
  }
  return {};
}

std::wstring SaveFailureText(const std::vector<std::wstring>& tried) {
  std::wstring text = L"設定を保存できませんでした。次の設定ﾌｧｲﾙに書き込めません:\r\n";
  for (const std::wstring& file : tried) text += L"\r\n" + file;
  text +=
      L"\r\n\r\nﾌｫﾙﾀﾞに書き込めるか、ほかのﾌﾟﾛｸﾞﾗﾑがﾌｧｲﾙを使っていないか"
      L"確かめてから、もう一度「設定」を押してください。";
  return text;
}

}  // namespace zelvane::dialog
