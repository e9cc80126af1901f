#include "settings_dialog.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "dialog/dialog_choices.h"
#include "dialog/dialog_drawing.h"
#include "dialog/dialog_resource_ids.h"
#include "resources/shell_resource_ids.h"
#include "runtime/errors_suppressed.h"
#include "runtime/program_facts.h"
#include "runtime/win32_path_forms.h"
#include "settings/saver_settings.h"
#include "startup/shell_names.h"
#include "startup/startup_state.h"
#include "startup/win32_zoom.h"
#include "zelvane_version.h"

namespace zelvane::dialog {
namespace {

namespace rt = zelvane::rt;
using rt::PixelBounds;

constexpr int kClientWidthTwips = 7440;   // 496 pixels
constexpr int kClientHeightTwips = 3690;  // 246 pixels
constexpr rt::Colour kBackColour = 0x00C0C0C0;
constexpr rt::Colour kPanelColour = 0x00E0E0E0;

// Every label's font; the panel's own font is the one its button and track
// box take.
const rt::FontSpec kLabelFont{L"ＭＳ Ｐゴシック",  9.75, FW_NORMAL, false, false, false,
                              rt::kShiftJisCharset};
const rt::FontSpec kPanelFont{L"Tahoma", 8.25, FW_NORMAL, false, false, false, rt::kDefaultCharset};

// Tracks offered in the track box: an empty item for none, then 1 to 30.
constexpr std::int16_t kLastListedTrack = 30;

constexpr wchar_t kMusicFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kChooserTitle[] = L"ﾌｧｲﾙを開く";
// Room for the chosen path in the file chooser: long paths are offered too,
// and stored in their short form when they must be.
constexpr DWORD kPathBufferChars = 1024;
constexpr DWORD kTitleBufferChars = 256;

constexpr wchar_t kCredit[] = L"Designed by Kobrin Ver." ZELVANE_VERSION_TEXT;

rt::FormLayout DialogLayout() {
  rt::FormLayout layout;
  layout.caption = startup::kSettingsDialogTitle;
  layout.border = rt::BorderStyle::kFixedDialog;
  layout.clientWidth = kClientWidthTwips;
  layout.clientHeight = kClientHeightTwips;
  layout.appearance = {kBackColour, kLabelFont, rt::ScaleMode::kPixels};
  // The program's own icon; a program without one gets the default.
  layout.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SHELL_ICON));
  return layout;
}

rt::PropertyBag ButtonBag(const wchar_t* caption) {
  return rt::PropertyBag{{L"Caption", std::wstring(caption)}};
}

// The dialog's labels are transparent, in the dialog's font, and keep to one
// line, all but the file path's, which has room for two.
enum class Lines { kOne, kWrapped };

rt::Label& PlaceLabel(rt::Label& label, rt::Colour colour = rt::kBlack, Lines lines = Lines::kOne) {
  label.SetTransparent(true);
  label.SetFont(kLabelFont);
  label.SetForeColour(colour);
  label.SetWordWrap(lines == Lines::kWrapped);
  return label;
}

}  // namespace

Zelvane_P::Zelvane_P()
    : Form(DialogLayout()),
      Pic_Mbl(*this, PixelBounds(8, 312, 556, 20), {kBackColour, {}, rt::ScaleMode::kPixels}),
      Cmd_Can(*this, PixelBounds(404, 200, 77, 25), ButtonBag(L"ｷｬﾝｾﾙ")),
      Cmd_Set(*this, PixelBounds(324, 200, 77, 25), ButtonBag(L"設定")),
      Pic_C(*this, PixelBounds(12, 16, 469, 165),
            {kPanelColour, kPanelFont, rt::ScaleMode::kPixels}),
      cmdFile0_(Cmd_File.Add(0, Pic_C, PixelBounds(28, 116, 41, 21), ButtonBag(L"..."))),
      BGM_Repeat(Pic_C, PixelBounds(112, 52, 41, 20)),
      shape3_(Shape3.Add(3, Pic_C, PixelBounds(20, 20, 113, 21))),
      lbl15_(PlaceLabel(lbl.Add(15, Pic_C, PixelBounds(20, 24, 111, 13), L"BGM"))),
      imgBgm0_(Img_BGM.Add(0, Pic_C, PixelBounds(28, 76, 13, 13))),
      lbl14_(PlaceLabel(lbl.Add(14, Pic_C, PixelBounds(156, 56, 66, 13), L"曲目をﾘﾋﾟｰﾄ"))),
      lblBgm1_(PlaceLabel(lbl_BGM.Add(1, Pic_C, PixelBounds(44, 56, 43, 13), L"音楽CD"))),
      lblBgm2_(PlaceLabel(lbl_BGM.Add(2, Pic_C, PixelBounds(44, 96, 60, 13), L"MP3、WAV"))),
      imgBgm1_(Img_BGM.Add(1, Pic_C, PixelBounds(28, 56, 13, 13))),
      lblBgm0_(PlaceLabel(lbl_BGM.Add(0, Pic_C, PixelBounds(44, 76, 22, 13), L"なし"))),
      imgBgm2_(Img_BGM.Add(2, Pic_C, PixelBounds(28, 96, 13, 13))),
      lblFname0_(PlaceLabel(lbl_Fname.Add(0, Pic_C, PixelBounds(72, 116, 373, 33)), rt::kBlack,
                            Lines::kWrapped)),
      lbl_URL(*this, PixelBounds(12, 208, 207, 13), startup::kHelpPageFileName),
      imgRa0_(Img_Ra.Add(0, *this, PixelBounds(536, 20, 12, 12))),
      imgRa1_(Img_Ra.Add(1, *this, PixelBounds(536, 40, 12, 12))),
      lbl7_(PlaceLabel(lbl.Add(7, *this, PixelBounds(12, 192, 165, 13), kCredit), rt::kWhite)) {
  rt::Attempt([this] { Pic_Mbl.SetPicture(rt::Picture::FromResource(IDB_DIALOG_MARBLE)); });
  rt::Attempt([this] { Img_Ra(0).SetPicture(rt::Picture::FromResource(IDB_DIALOG_OPTION_OFF)); });
  rt::Attempt([this] { Img_Ra(1).SetPicture(rt::Picture::FromResource(IDB_DIALOG_OPTION_ON)); });

  rt::FontSpec linkFont = kLabelFont;
  linkFont.underline = true;
  PlaceLabel(lbl_URL, rt::kWhite).SetFont(linkFont);
  lbl_URL.SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_DIALOG_HAND)));

  Cmd_Set.Click = [this] { Cmd_Set_Click(); };
  Cmd_Can.Click = [this] { Cmd_Can_Click(); };
  Cmd_File.Connect(&Command::Click, [this](int index) { Cmd_File_Click(index); });
  Img_BGM.Connect(&rt::WindowlessControl::MouseDown,
                  [this](int index, const rt::MouseEvent&) { Img_BGM_MouseDown(index); });
  lbl_BGM.Connect(&rt::WindowlessControl::MouseDown,
                  [this](int index, const rt::MouseEvent&) { lbl_BGM_MouseDown(index); });
  lbl_URL.Click = [this] { lbl_URL_Click(); };
}

void Zelvane_P::Form_Load() {
  using namespace settings;
  rt::RunSteps({
      // The music file is shown and saved as stored, even where it is away.
      [] { UseStoredMusicChoice(); },
      [this] {
        // Centred across the screen, a third of the free height from the top.
        Move((rt::ScreenWidthTwips() - Width()) / 2, (rt::ScreenHeightTwips() - Height()) / 3);
      },
      [this] { InitCommands(); },
      [this] { PaintTiles(Pic_C); },
      [this] { BGM_Repeat.SetEnabled(false); },
      [this] { ShowOptions(BgmKind); },
      [this] { BGM_Repeat.SetText(TrackText(BgmRepeat)); },
      [this] {
        for (std::int16_t track = 0; track <= kLastListedTrack; ++track) {
          BGM_Repeat.AddItem(TrackText(track));
        }
      },
      [this] { lbl_Fname(0).SetCaption(BgmFile); },
      [this] {
        POINT cursor{};
        const bool known = GetCursorPos(&cursor) != FALSE;
        startup::ZoomX = known ? static_cast<std::int16_t>(cursor.x) : std::int16_t{0};
        startup::ZoomY = known ? static_cast<std::int16_t>(cursor.y) : std::int16_t{0};
        startup::ZoomOpen(hWnd());
      },
      [] { rt::SetScreenMousePointer(rt::MousePointer::kDefault); },
  });
}

// The background, drawn once on the form's retained surface: a grey-blue
// gradient, dark at the top and bottom edges and bright half-way down.
void Zelvane_P::Form_Resize() {
  rt::Attempt([this] {
    const std::vector<rt::Colour> rows = BackgroundRows(static_cast<int>(ScaleHeight()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
      const double row = static_cast<double>(y);
      Canvas().Line(0, row, ScaleWidth(), row, rows[y]);
    }
    Refresh();
  });
}

void Zelvane_P::Form_Unload(rt::Flag& cancel) {
  (void)cancel;
  rt::Attempt([this] { startup::ZoomClose(hWnd()); });
}

void Zelvane_P::InitCommands() {
  ForEachControl([](rt::Control& control) {
    if (auto* button = dynamic_cast<Command*>(&control)) rt::Attempt([&] { button->Initialize(); });
  });
}

void Zelvane_P::PaintTiles(rt::PictureBox& target) {
  const int tileWidth = static_cast<int>(Pic_Mbl.Canvas().WidthPixels());
  const int tileHeight = static_cast<int>(Pic_Mbl.Canvas().HeightPixels());
  for (const auto& at : TilePositions(tileWidth, tileHeight, target.Canvas().WidthPixels(),
                                      target.Canvas().HeightPixels())) {
    BitBlt(target.Canvas().hDC(), at.x, at.y, tileWidth, tileHeight, Pic_Mbl.Canvas().hDC(), 0, 0,
           SRCCOPY);
  }
  target.Refresh();
}

void Zelvane_P::ShowOptions(std::int16_t kind) {
  const OptionView view = OptionViewFor(kind);
  Img_BGM.ForEach([&](int index, rt::Image& image) {
    const bool selected = view.selected.at(static_cast<std::size_t>(index));
    rt::Attempt([&] { image.SetPicture(Img_Ra(selected ? 1 : 0).GetPicture()); });
  });
  rt::Attempt([&] { BGM_Repeat.SetEnabled(view.trackBoxEnabled); });
  rt::Attempt([&] { Cmd_File(0).SetEnabled(view.fileButtonEnabled); });
}

void Zelvane_P::ChooseOption(int kind) {
  settings::BgmKind = static_cast<std::int16_t>(kind);
  ShowOptions(settings::BgmKind);
}

void Zelvane_P::Img_BGM_MouseDown(int index) {
  ChooseOption(index);
}

void Zelvane_P::lbl_BGM_MouseDown(int index) {
  ChooseOption(index);
}

void Zelvane_P::Cmd_File_Click(int index) {
  using namespace settings;
  std::wstring file(kPathBufferChars, L'\0');
  std::wstring title(kTitleBufferChars, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hWnd();
  ofn.hInstance = GetModuleHandleW(nullptr);
  ofn.lpstrFilter = kMusicFilter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = kPathBufferChars;
  ofn.lpstrFileTitle = title.data();
  ofn.nMaxFileTitle = kTitleBufferChars;
  ofn.lpstrInitialDir = BgmFolder.c_str();
  ofn.lpstrTitle = kChooserTitle;
  // Only a file that is there: a path that does not open would be dropped
  // silently when the settings are next read.
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameW(&ofn)) return;  // cancelled: nothing changes

  file.resize(file.find(L'\0'));
  const MusicFilePath chosen = MusicFilePathFor(file, rt::ShortPathOf);
  if (chosen.refusal != PathRefusal::kNone) {
    const std::wstring text(RefusalText(chosen.refusal));
    MessageBoxW(hWnd(), text.c_str(), std::wstring(rt::kApplicationTitle).c_str(), MB_OK);
    return;
  }
  BgmFile = chosen.path;
  rt::Attempt([&] { lbl_Fname(index).SetCaption(BgmFile); });
  BgmFolder = FolderOf(BgmFile);
}

// Saves the three keys in one replace of the settings file. Where no place
// for it can be written, the user is told so and the dialog stays open, so
// that the choice is not lost without a word.
void Zelvane_P::Cmd_Set_Click() {
  using namespace settings;
  rt::Attempt([this] { BgmRepeat = TrackNumberFromText(BGM_Repeat.Text()); });
  const SaveOutcome outcome = SaveSettings({
      {kBgmKindKey, std::to_wstring(BgmKind)},
      {kBgmRepeatKey, std::to_wstring(BgmRepeat)},
      {kBgmFileKey, BgmFile},
  });
  if (!outcome.saved) {
    const std::wstring text = SaveFailureText(outcome.tried);
    MessageBoxW(hWnd(), text.c_str(), std::wstring(rt::kApplicationTitle).c_str(), MB_OK);
    return;
  }
  Unload();
}

void Zelvane_P::Cmd_Can_Click() {
  Unload();
}

// Opens the help page shipped beside the programs in the user's browser.
void Zelvane_P::lbl_URL_Click() {
  rt::Attempt([] { rt::SetScreenMousePointer(rt::MousePointer::kHourglass); });
  rt::Attempt([this] {
    std::wstring page = rt::ProgramFolder();
    if (!page.ends_with(L'\\')) page += L'\\';
    page += startup::kHelpPageFileName;
    ShellExecuteW(hWnd(), L"open", page.c_str(), L"", L"", SW_SHOWNORMAL);
  });
  rt::Attempt([] { rt::SetScreenMousePointer(rt::MousePointer::kDefault); });
}

}  // namespace zelvane::dialog
