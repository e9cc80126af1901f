// The push button's behaviour against a recording double of its parts.
#include "controls/command_behaviour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "runtime/errors_suppressed.h"

namespace zelvane::controls {
namespace {

using rt::PropertyBag;
using Log = std::vector<std::string>;

const char* const kSkinNames[] = {"Normal",          "HighLight", "Selected",
                                  "HighLightSelect", "Pressed",   "Disable"};

// Records what the behaviour does to the button's parts; a face is its image,
// with "/" when the gradient is inverted. An entry, or its first word, that is
// in `failing` throws as a refused platform call does.
class RecordingParts : public CommandParts {
 public:
  Log log, faces;
  std::set<std::string> failing;
  std::wstring caption = L"Command";
  rt::FontSpec font;
  rt::FontSpec containerFont{L"ＭＳ Ｐゴシック",  9.75, 400, false, false, false,
                             rt::kShiftJisCharset};
  rt::Colour colour = rt::kBlack;
  bool opaque = true;
  unsigned watchMs = 0;

  void PaintFace(Skin skin, bool inverted) override {
    faces.push_back(kSkinNames[static_cast<int>(skin)] + std::string(inverted ? "/" : ""));
    Do("face " + faces.back());
  }
  std::wstring CaptionText() const override { return caption; }
  void SetCaptionText(std::wstring_view text) override {
    Do("caption " + std::string(text.size(), '?'));
    caption = text;
  }
  rt::FontSpec CaptionFont() const override { return font; }
  void SetCaptionFont(const rt::FontSpec& f) override { Do("font"), font = f; }
  rt::Colour CaptionColour() const override {
    if (failing.count("read colour")) throw rt::RuntimeError("refused");
    return colour;
  }
  void SetCaptionColour(rt::Colour c) override { Do("colour " + std::to_string(c)), colour = c; }
  void SetCaptionEnabled(bool on) override { Do(on ? "caption on" : "caption off"); }
  bool Opaque() const override { return opaque; }
  void SetOpaque(bool o) override { Do(o ? "opaque" : "transparent"), opaque = o; }
  rt::FontSpec ContainerFont() const override { return containerFont; }
  void StartPointerWatch(unsigned intervalMs) override { watchMs = intervalMs; }
  void NotifyChanged(std::wstring_view p) override {
    Do("changed " + std::string(p.begin(), p.end()));
  }
  void RaiseClick() override { Do("click"); }

 private:
  void Do(const std::string& entry) {
    log.push_back(entry);
    if (failing.count(entry) || failing.count(entry.substr(0, entry.find(' ')))) {
      throw rt::RuntimeError("refused");
    }
  }
};

// Loaded from an empty bag, then brought into a state the way a user gets
// there, enabled or not.
struct Button {
  RecordingParts parts;
  CommandBehaviour behaviour{parts};

  explicit Button(std::uint8_t state, bool held = false, bool enabled = true) {
    behaviour.ReadProperties(PropertyBag{});
    if (state != kStateNone) behaviour.Initialize();
    if (state == kStateSelected || state == kStateHighLightSelect) behaviour.GotFocus();
    if (state == kStateHighLight || state == kStateHighLightSelect) behaviour.MouseMove();
    if (held) behaviour.MouseDown(kLeftButton);
    if (!enabled) behaviour.SetEnabled(rt::kFalse);
    parts.log.clear();
    parts.faces.clear();
  }
};

using Action = std::function<void(CommandBehaviour&)>;
constexpr std::uintptr_t kForm = 0x100, kOwn = 0x200, kOther = 0x300;
const Action Move = [](CommandBehaviour& b) { b.MouseMove(); };
const Action DownLeft = [](CommandBehaviour& b) { b.MouseDown(1); };
const Action DownRight = [](CommandBehaviour& b) { b.MouseDown(2); };
const Action UpLeft = [](CommandBehaviour& b) { b.MouseUp(1); };
const Action UpRight = [](CommandBehaviour& b) { b.MouseUp(2); };
const Action UpMiddle = [](CommandBehaviour& b) { b.MouseUp(4); };
const Action Focus = [](CommandBehaviour& b) { b.GotFocus(); };
const Action Blur = [](CommandBehaviour& b) { b.LostFocus(); };
const Action TickOverForm = [](CommandBehaviour& b) { b.PointerWatchTick(kForm, kForm, kOwn); };
const Action TickOverOther = [](CommandBehaviour& b) { b.PointerWatchTick(kOther, kForm, kOwn); };
const Action TickOverOwn = [](CommandBehaviour& b) { b.PointerWatchTick(kOwn, kForm, kOwn); };

struct Row {
  const char* name;
  std::uint8_t from;
  bool held;  // the left button is down on the button
  Action trigger;
  std::uint8_t to;
  Log faces;
  bool click, heldAfter;
};

// clang-format off
const std::vector<Row> kRows = {
    {"entry",                       1, false, Move,          2, {"HighLight/"},      false, false},
    {"move while over",             2, false, Move,          2, {},                  false, false},
    {"entry on focused",            3, false, Move,          4, {"HighLightSelect"}, false, false},
    {"entry on focused while held", 3, true,  Move,          3, {},                  false, true},
    {"press in 1",                  1, false, DownLeft,      1, {"Pressed"},         false, true},
    {"press in 2",                  2, false, DownLeft,      2, {"Pressed/"},        false, true},
    {"right press",                 2, false, DownRight,     2, {},                  false, false},
    {"release in 2",                2, true,  UpLeft,        2, {"Normal/"},         true,  false},
    {"release in 4",                4, true,  UpLeft,        4, {"HighLightSelect"}, true,  false},
    {"release in 0",                0, true,  UpLeft,        0, {},                  true,  false},
    {"release in 3",                3, true,  UpLeft,        3, {},                  false, false},
    {"right release in 2",          2, false, UpRight,       2, {},                  true,  false},
    {"middle release in 4, held",   4, true,  UpMiddle,      4, {},                  true,  true},
    {"focus while over",            2, false, Focus,         4, {"Pressed/"},        false, false},
    {"focus in 0",                  0, false, Focus,         3, {"Selected"},        false, false},
    {"blur in 0",                   0, false, Blur,          1, {"Normal"},          false, false},
    {"blur in 1",                   1, false, Blur,          1, {},                  false, false},
    {"pointer over the form, 2",    2, false, TickOverForm,  1, {"Normal"},          false, false},
    {"pointer elsewhere, 4",        4, false, TickOverOther, 3, {"Selected"},        false, false},
    {"pointer still over, 2",       2, false, TickOverOwn,   2, {},                  false, false},
    {"pointer away, 3",             3, false, TickOverForm,  3, {},                  false, false},
};
// clang-format on

// Each row enabled, then disabled: a disabled button ignores every trigger.
TEST(CommandStates, EveryTriggerInEveryStateItNames) {
  for (const Row& row : kRows) {
    for (const bool enabled : {true, false}) {
      SCOPED_TRACE(testing::Message() << row.name << (enabled ? "" : ", disabled"));
      Button button(row.from, row.held, enabled);
      row.trigger(button.behaviour);
      EXPECT_EQ(button.behaviour.ButtonState(), enabled ? row.to : row.from);
      EXPECT_EQ(button.parts.faces, enabled ? row.faces : Log{});
      EXPECT_EQ(std::ranges::count(button.parts.log, "click"), enabled && row.click ? 1 : 0);
      EXPECT_EQ(button.behaviour.MouseIsDown(), rt::ToFlag(enabled ? row.heldAfter : row.held));
    }
  }
}

// What property accesses and refreshes do to the parts of a button in state 4,
// enabled and disabled, some parts refusing; none changes the state. A colour
// that cannot be read reads as black; one that cannot be set is not announced;
// a caption that cannot be enabled turns black.
TEST(CommandParts, PropertiesAndRefreshesWithSomePartsRefusing) {
  const Log on = {"face Normal", "caption on"}, off = {"face Disable", "caption off"};
  const Log refresh = {"caption on", "face Normal"}, same = {"as enabled"};
  const struct {
    std::set<std::string> failing;
    Action act;
    Log enabled, disabled;
  } cases[] = {
      // clang-format off
      {{}, [](auto& b) { b.Enabled(); }, on, off},
      {{}, [](auto& b) { EXPECT_EQ(b.FontColour(), rt::Rgb(1, 2, 3)); }, refresh, {}},
      {{}, [](auto& b) { EXPECT_EQ(b.Visible(), 255); }, refresh, {}},
      {{}, [](auto& b) { EXPECT_EQ((b.SetVisible(0), b.Visible()), 0); },
       {"transparent", "changed Visible"}, same},
      {{}, [](auto& b) { b.Resize(); }, on, off},
      {{}, [](auto& b) { b.SetEnabled(b.EnabledFlag()); },
       {"changed Enabled", "face Normal", "caption on"},
       {"changed Enabled", "face Disable", "caption off"}},
      {{}, [](auto& b) { EXPECT_EQ((b.SetCaption(L"設定"), b.Caption()), L"設定"); },
       {"caption ??", "changed Caption"}, same},
      {{}, [](auto& b) { EXPECT_EQ((b.SetFont(rt::FontSpec{L"Arial"}), b.Font().face), L"Arial"); },
       {"font", "changed Font"}, same},
      {{}, [](auto& b) { b.SetVisible(7); },
       {"opaque", "caption on", "face Normal", "changed Visible"}, {"opaque", "changed Visible"}},
      {{}, [](auto& b) { b.SetFontColour(0x8000000F); },  // a system colour
       {"colour 2147483663", "caption on", "face Normal", "changed FontColour"},
       {"colour 2147483663", "changed FontColour"}},
      {{"read colour"}, [](auto& b) { EXPECT_EQ(b.FontColour(), rt::kBlack); }, refresh, {}},
      {{"colour"}, [](auto& b) { b.SetFontColour(rt::Rgb(9, 9, 9)); },
       {"colour 592137", "caption on", "face Normal"}, {"colour 592137"}},
      {{"caption on"}, [](auto& b) { b.RefreshCaption(); },
       {"caption on", "colour 0", "face Normal"}, {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    for (const bool enabled : {true, false}) {
      SCOPED_TRACE(testing::Message() << &c - cases << (enabled ? "" : ", disabled"));
      Button button(kStateHighLightSelect, false, enabled);
      button.parts.colour = rt::Rgb(1, 2, 3);
      button.parts.failing = c.failing;
      c.act(button.behaviour);
      EXPECT_EQ(button.parts.log, enabled || c.disabled == same ? c.enabled : c.disabled);
      EXPECT_EQ(button.behaviour.ButtonState(), kStateHighLightSelect);
      EXPECT_EQ(button.behaviour.EnabledFlag(), rt::ToFlag(enabled));
    }
  }
}

// A button never loaded from a bag is disabled, and forces a black caption,
// until Enabled is first read; Initialize enters state 1 and watches the
// pointer every 100 ms.
TEST(CommandFirstRun, ANewButtonIsDisabledAndBlackUntilEnabledIsRead) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.GotFocus();
  EXPECT_EQ(parts.log, Log{});
  behaviour.Initialize();
  EXPECT_EQ(behaviour.ButtonState(), kStateNormal);
  EXPECT_EQ(parts.watchMs, 100u);
  behaviour.SetEnabled(rt::kTrue);
  behaviour.SetFontColour(rt::Rgb(255, 0, 0));
  EXPECT_EQ(parts.colour, rt::kBlack);

  parts.log.clear();
  EXPECT_EQ(behaviour.Enabled(), rt::kTrue);
  EXPECT_EQ(behaviour.FirstRun(), 1);
  EXPECT_EQ(parts.log, (Log{"caption on", "colour 0", "face Normal", "face Normal", "caption on"}));
  behaviour.SetFontColour(rt::Rgb(255, 0, 0));
  EXPECT_EQ(parts.colour, rt::Rgb(255, 0, 0));
}

// The defaults in order; "Command1" is what a bag without a caption gives, and
// saving stores it, as it is not the written default "Command". What is
// written reads back; a value that does not convert is skipped.
TEST(CommandBag, DefaultsInOrderRoundTripAndSkippedValues) {
  Button button(kStateNone);
  button.behaviour.ReadProperties(PropertyBag{});
  EXPECT_EQ(button.parts.log,
            (Log{"caption ????????", "font", "colour 0", "opaque", "caption on", "face Normal"}));
  EXPECT_EQ(button.parts.font, button.parts.containerFont);
  PropertyBag bag;
  button.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 1u);
  EXPECT_EQ(rt::ToText(bag.ReadProperty(L"Caption", L"")), L"Command1");
  button.parts.caption = L"Command";
  button.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 0u);

  button.behaviour.ReadProperties(PropertyBag{{L"FirstRun", L"0"}});
  button.parts.caption = L"設定";
  button.parts.font = rt::FontSpec{};
  button.parts.colour = 0x80000012;
  button.parts.opaque = false;
  button.behaviour.SetEnabled(rt::kFalse);
  button.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 6u);

  RecordingParts parts;
  CommandBehaviour loaded(parts);
  for (const PropertyBag& next : {bag, PropertyBag{{L"Enabled", L"yes"},
                                                   {L"Caption", rt::FontSpec{}},
                                                   {L"FirstRun", std::int64_t{256}},
                                                   {L"FontColour", L"red"},
                                                   {L"Visible", std::int64_t{2}}}}) {
    parts.log.clear();
    loaded.ReadProperties(next);
    EXPECT_EQ(loaded.EnabledFlag(), rt::kFalse);
    EXPECT_EQ(loaded.FirstRun(), 0);
    EXPECT_EQ(parts.caption, L"設定");
    EXPECT_EQ(parts.colour, 0x80000012u);
    EXPECT_FALSE(parts.opaque);
  }
  EXPECT_EQ(parts.faces, Log{});  // disabled: the refreshes draw nothing
  // Only the font is set by the second bag: the container's, as none is stored.
  EXPECT_EQ(parts.log, (Log{"font"}));
}

}  // namespace
}  // namespace zelvane::controls
