// The push button's behaviour against a recording double of its parts: every
// state change with the face it paints, Click, the refresh routines, the
// properties and the property bag.
#include "controls/command_behaviour.h"

#include <gtest/gtest.h>

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

std::string Ascii(std::wstring_view text) {
  std::string out;
  for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Records what the behaviour does to the button's parts. A face is logged as
// its image, with "/" when the gradient is inverted. Operations whose entry or
// first word is in `failing` throw, as a refused platform call does.
class RecordingParts : public CommandParts {
 public:
  Log log;
  std::set<std::string> failing;
  std::wstring caption = L"Command";
  rt::FontSpec font;
  rt::FontSpec containerFont{L"ＭＳ Ｐゴシック",  9.75, 400, false, false, false,
                             rt::kShiftJisCharset};
  rt::Colour colour = rt::kBlack;
  bool opaque = true;
  unsigned watchMs = 0;
  int clicks = 0;

  Log Faces() const {
    Log faces;
    for (const std::string& entry : log) {
      if (entry.rfind("face ", 0) == 0) faces.push_back(entry.substr(5));
    }
    return faces;
  }

  void PaintFace(Skin skin, bool inverted) override {
    Do("face " + std::string(kSkinNames[static_cast<int>(skin)]) + (inverted ? "/" : ""));
  }
  std::wstring CaptionText() const override { return caption; }
  void SetCaptionText(std::wstring_view text) override {
    Do("caption " + Ascii(text));
    caption = text;
  }
  rt::FontSpec CaptionFont() const override { return font; }
  void SetCaptionFont(const rt::FontSpec& f) override {
    Do("font");
    font = f;
  }
  rt::Colour CaptionColour() const override {
    if (failing.count("read colour")) throw rt::RuntimeError("refused");
    return colour;
  }
  void SetCaptionColour(rt::Colour c) override {
    Do("colour " + std::to_string(c));
    colour = c;
  }
  void SetCaptionEnabled(bool enabled) override { Do(enabled ? "caption on" : "caption off"); }
  bool Opaque() const override { return opaque; }
  void SetOpaque(bool o) override {
    Do(o ? "opaque" : "transparent");
    opaque = o;
  }
  rt::FontSpec ContainerFont() const override { return containerFont; }
  void StartPointerWatch(unsigned intervalMs) override { watchMs = intervalMs; }
  void NotifyChanged(std::wstring_view property) override { Do("changed " + Ascii(property)); }
  void RaiseClick() override {
    Do("click");
    ++clicks;
  }

 private:
  void Do(const std::string& entry) {
    log.push_back(entry);
    if (failing.count(entry) || failing.count(entry.substr(0, entry.find(' ')))) {
      throw rt::RuntimeError("refused");
    }
  }
};

struct Button {
  RecordingParts parts;
  CommandBehaviour behaviour{parts};

  // Loaded from an empty bag (enabled), then brought into a state the way a
  // user gets there.
  explicit Button(std::uint8_t state = kStateNormal, bool held = false) {
    behaviour.ReadProperties(PropertyBag{});
    if (state != kStateNone) behaviour.Initialize();
    if (state == kStateSelected || state == kStateHighLightSelect) behaviour.GotFocus();
    if (state == kStateHighLight || state == kStateHighLightSelect) behaviour.MouseMove();
    if (held) behaviour.MouseDown(kLeftButton);
    parts.log.clear();
  }
};

using Trigger = std::function<void(CommandBehaviour&)>;
constexpr std::uintptr_t kForm = 0x100, kOwn = 0x200, kOther = 0x300;
const Trigger Move = [](CommandBehaviour& b) { b.MouseMove(); };
const Trigger DownLeft = [](CommandBehaviour& b) { b.MouseDown(1); };
const Trigger DownRight = [](CommandBehaviour& b) { b.MouseDown(2); };
const Trigger DownMiddle = [](CommandBehaviour& b) { b.MouseDown(4); };
const Trigger UpLeft = [](CommandBehaviour& b) { b.MouseUp(1); };
const Trigger UpRight = [](CommandBehaviour& b) { b.MouseUp(2); };
const Trigger UpMiddle = [](CommandBehaviour& b) { b.MouseUp(4); };
const Trigger Focus = [](CommandBehaviour& b) { b.GotFocus(); };
const Trigger Blur = [](CommandBehaviour& b) { b.LostFocus(); };
const Trigger TickOverForm = [](CommandBehaviour& b) { b.PointerWatchTick(kForm, kForm, kOwn); };
const Trigger TickOverOther = [](CommandBehaviour& b) { b.PointerWatchTick(kOther, kForm, kOwn); };
const Trigger TickOverOwn = [](CommandBehaviour& b) { b.PointerWatchTick(kOwn, kForm, kOwn); };

struct Row {
  const char* name;
  std::uint8_t from;
  bool held;  // the left button is down on the button
  Trigger trigger;
  std::uint8_t to;
  Log faces;
  bool click;
  bool heldAfter;
};

// clang-format off
const std::vector<Row> kRows = {
    {"entry",                         1, false, Move,          2, {"HighLight/"},       false, false},
    {"move while over",               2, false, Move,          2, {},                   false, false},
    {"entry on focused",              3, false, Move,          4, {"HighLightSelect"},  false, false},
    {"entry on focused while held",   3, true,  Move,          3, {},                   false, true},
    {"move on focused and over",      4, false, Move,          4, {},                   false, false},
    {"move before Initialize",        0, false, Move,          0, {},                   false, false},
    {"press in 1",                    1, false, DownLeft,      1, {"Pressed"},          false, true},
    {"press in 2",                    2, false, DownLeft,      2, {"Pressed/"},         false, true},
    {"right press",                   2, false, DownRight,     2, {},                   false, false},
    {"middle press",                  1, false, DownMiddle,    1, {},                   false, false},
    {"release in 2",                  2, true,  UpLeft,        2, {"Normal/"},          true,  false},
    {"release in 4",                  4, true,  UpLeft,        4, {"HighLightSelect"},  true,  false},
    {"release in 1",                  1, true,  UpLeft,        1, {},                   true,  false},
    {"release in 0",                  0, true,  UpLeft,        0, {},                   true,  false},
    {"release in 3",                  3, true,  UpLeft,        3, {},                   false, false},
    {"right release in 2",            2, false, UpRight,       2, {},                   true,  false},
    {"middle release in 4, held",     4, true,  UpMiddle,      4, {},                   true,  true},
    {"right release in 3",            3, false, UpRight,       3, {},                   false, false},
    {"focus while over",              2, false, Focus,         4, {"Pressed/"},         false, false},
    {"focus in 0",                    0, false, Focus,         3, {"Selected"},         false, false},
    {"focus in 1",                    1, false, Focus,         3, {"Selected"},         false, false},
    {"focus in 3",                    3, false, Focus,         3, {"Selected"},         false, false},
    {"focus in 4",                    4, false, Focus,         3, {"Selected"},         false, false},
    {"blur in 0",                     0, false, Blur,          1, {"Normal"},           false, false},
    {"blur in 1",                     1, false, Blur,          1, {},                   false, false},
    {"blur in 2",                     2, false, Blur,          1, {"Normal"},           false, false},
    {"blur in 4",                     4, false, Blur,          1, {"Normal"},           false, false},
    {"pointer over the form, 2",      2, false, TickOverForm,  1, {"Normal"},           false, false},
    {"pointer elsewhere, 2",          2, false, TickOverOther, 1, {"Normal"},           false, false},
    {"pointer elsewhere, 4",          4, false, TickOverOther, 3, {"Selected"},         false, false},
    {"pointer over the form, 4",      4, false, TickOverForm,  3, {"Selected"},         false, false},
    {"pointer still over, 2",         2, false, TickOverOwn,   2, {},                   false, false},
    {"pointer still over, 4",         4, false, TickOverOwn,   4, {},                   false, false},
    {"pointer away, 1",               1, false, TickOverOther, 1, {},                   false, false},
    {"pointer away, 3",               3, false, TickOverForm,  3, {},                   false, false},
};
// clang-format on

TEST(CommandStates, EveryTriggerInEveryStateItNames) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Button button(row.from, row.held);
    row.trigger(button.behaviour);
    EXPECT_EQ(button.behaviour.ButtonState(), row.to);
    EXPECT_EQ(button.parts.Faces(), row.faces);
    EXPECT_EQ(button.parts.clicks, row.click ? 1 : 0);
    EXPECT_EQ(button.behaviour.MouseIsDown(), rt::ToFlag(row.heldAfter));
  }
}

TEST(CommandStates, ADisabledButtonIgnoresEveryTrigger) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Button button(row.from, row.held);
    button.behaviour.SetEnabled(rt::kFalse);
    button.parts.log.clear();
    row.trigger(button.behaviour);
    EXPECT_EQ(button.behaviour.ButtonState(), row.from);
    EXPECT_EQ(button.parts.log, Log{});
    EXPECT_EQ(button.behaviour.MouseIsDown(), rt::ToFlag(row.held));
  }
}

// Sequences a user goes through: each event with the faces it paints.
TEST(CommandStates, UserSequences) {
  struct Story {
    const char* name;
    std::uint8_t from;
    std::vector<std::pair<Trigger, Log>> steps;
    std::uint8_t to;
    int clicks;
  };
  const Story stories[] = {
      {"a click from outside keeps the inverted gradient",
       1,
       {{Move, {"HighLight/"}},
        {Focus, {"Pressed/"}},
        {DownLeft, {"Pressed/"}},
        {UpLeft, {"HighLightSelect/"}}},
       4,
       1},
      {"press, leave, release outside",
       2,
       {{Focus, {"Pressed/"}},
        {DownLeft, {"Pressed/"}},
        {TickOverForm, {"Selected"}},
        {UpLeft, {}}},
       3,
       0},
      {"press, leave, come back holding, release, move",
       4,
       {{DownLeft, {"Pressed"}},
        {TickOverOther, {"Selected"}},
        {Move, {}},
        {UpLeft, {}},
        {Move, {"HighLightSelect"}}},
       4,
       0},
      {"before Initialize: focus and blur, then entry works",
       0,
       {{Move, {}}, {Focus, {"Selected"}}, {Blur, {"Normal"}}, {Move, {"HighLight/"}}},
       2,
       0},
  };
  for (const Story& story : stories) {
    SCOPED_TRACE(story.name);
    Button button(story.from);
    for (const auto& [trigger, faces] : story.steps) {
      button.parts.log.clear();
      trigger(button.behaviour);
      EXPECT_EQ(button.parts.Faces(), faces);
    }
    EXPECT_EQ(button.behaviour.ButtonState(), story.to);
    EXPECT_EQ(button.parts.clicks, story.clicks);
  }
}

TEST(CommandStates, InitializeEntersState1AndStartsTheWatch) {
  Button button(kStateNone);
  button.behaviour.Initialize();
  EXPECT_EQ(button.behaviour.ButtonState(), kStateNormal);
  EXPECT_EQ(button.parts.watchMs, 100u);
  EXPECT_EQ(button.parts.log, Log{});
}

// Repaints that leave the state as it is, on an enabled and a disabled button.
TEST(CommandRefresh, ReadsResizeAndEnablingRepaintWithoutChangingTheState) {
  struct Case {
    const char* name;
    std::function<void(CommandBehaviour&)> act;
    Log enabled, disabled;
  };
  const Case cases[] = {
      {"Enabled read",
       [](auto& b) { b.Enabled(); },
       {"face Normal", "caption on"},
       {"face Disable", "caption off"}},
      {"FontColour read", [](auto& b) { b.FontColour(); }, {"caption on", "face Normal"}, {}},
      {"Visible read",
       [](auto& b) { EXPECT_EQ(b.Visible(), 255); },
       {"caption on", "face Normal"},
       {}},
      {"Resize",
       [](auto& b) { b.Resize(); },
       {"face Normal", "caption on"},
       {"face Disable", "caption off"}},
      {"Enabled set",
       [](auto& b) { b.SetEnabled(b.EnabledFlag()); },
       {"changed Enabled", "face Normal", "caption on"},
       {"changed Enabled", "face Disable", "caption off"}},
  };
  for (const Case& c : cases) {
    for (const bool enabled : {true, false}) {
      SCOPED_TRACE(testing::Message() << c.name << (enabled ? "" : ", disabled"));
      Button button(kStateHighLightSelect);
      if (!enabled) button.behaviour.SetEnabled(rt::kFalse);
      button.parts.log.clear();
      c.act(button.behaviour);
      EXPECT_EQ(button.parts.log, enabled ? c.enabled : c.disabled);
      EXPECT_EQ(button.behaviour.ButtonState(), kStateHighLightSelect);
      EXPECT_EQ(button.behaviour.EnabledFlag(), rt::ToFlag(enabled));
    }
  }
}

TEST(CommandFirstRun, ANewButtonIsDisabledUntilEnabledIsRead) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.MouseUp(kLeftButton);
  behaviour.GotFocus();
  EXPECT_EQ(parts.log, Log{});

  EXPECT_EQ(behaviour.Enabled(), rt::kTrue);
  EXPECT_EQ(behaviour.FirstRun(), 1);
  // The caption refresh ran while still disabled, so only RefreshEnabled shows.
  EXPECT_EQ(parts.log, (Log{"face Normal", "caption on"}));
}

TEST(CommandFirstRun, UntilThenEveryCaptionRefreshForcesBlack) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.SetEnabled(rt::kTrue);
  behaviour.SetFontColour(rt::Rgb(255, 0, 0));
  EXPECT_EQ(parts.colour, rt::kBlack);
  EXPECT_EQ(parts.log.back(), "changed FontColour");

  behaviour.Enabled();  // FirstRun becomes 1
  behaviour.SetFontColour(rt::Rgb(255, 0, 0));
  EXPECT_EQ(parts.colour, rt::Rgb(255, 0, 0));
}

TEST(CommandProperties, SettersAndTheirNotices) {
  Button button;
  CommandBehaviour& b = button.behaviour;
  b.SetCaption(L"設定");
  EXPECT_EQ(b.Caption(), L"設定");
  const rt::FontSpec arial{L"Arial", 12, 700};
  b.SetFont(arial);
  EXPECT_EQ(b.Font(), arial);
  b.SetVisible(0);
  EXPECT_EQ(b.Visible(), 0);
  EXPECT_EQ(button.parts.log, (Log{"caption ??", "changed Caption", "font", "changed Font",
                                   "transparent", "changed Visible"}));
  button.parts.log.clear();
  b.SetVisible(7);
  EXPECT_EQ(button.parts.log, (Log{"opaque", "caption on", "face Normal", "changed Visible"}));
  button.parts.log.clear();
  b.SetFontColour(0x8000000F);
  EXPECT_EQ(b.FontColour(), 0x8000000Fu);
  EXPECT_EQ(button.parts.log[0], "colour 2147483663");
  EXPECT_EQ(button.parts.log[3], "changed FontColour");
}

TEST(CommandFailures, FontColourGivesUpAfterARefresh) {
  Button button;
  button.parts.colour = rt::Rgb(1, 2, 3);
  button.parts.failing = {"read colour"};
  EXPECT_EQ(button.behaviour.FontColour(), rt::kBlack);
  EXPECT_EQ(button.parts.log, (Log{"caption on", "face Normal"}));

  button.parts.log.clear();
  button.parts.failing = {"colour"};
  button.behaviour.SetFontColour(rt::Rgb(9, 9, 9));
  // No notice for a change that did not happen.
  EXPECT_EQ(button.parts.log, (Log{"colour 592137", "caption on", "face Normal"}));
}

TEST(CommandFailures, CaptionRefreshFallsBackToBlackAndGoesOn) {
  Button button;
  button.parts.colour = rt::Rgb(0, 0, 255);
  button.parts.failing = {"caption on"};
  button.behaviour.RefreshCaption();
  EXPECT_EQ(button.parts.log, (Log{"caption on", "colour 0", "face Normal"}));
  EXPECT_EQ(button.parts.colour, rt::kBlack);
}

TEST(CommandBag, AnEmptyBagGivesTheDefaultsInOrder) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.ReadProperties(PropertyBag{});
  EXPECT_EQ(parts.log,
            (Log{"caption Command1", "font", "colour 0", "opaque", "caption on", "face Normal"}));
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kTrue);
  EXPECT_EQ(behaviour.FirstRun(), 1);
  EXPECT_EQ(parts.font, parts.containerFont);
}

TEST(CommandBag, StoredValuesAreReadAndValuesThatDoNotConvertAreSkipped) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.ReadProperties(PropertyBag{{L"ENABLED", std::int64_t{0}},
                                       {L"caption", L"ｷｬﾝｾﾙ"},
                                       {L"Font", rt::FontSpec{}},
                                       {L"firstrun", L"0"},
                                       {L"FontColour", std::int64_t{255}},
                                       {L"visible", std::int64_t{0}}});
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(behaviour.FirstRun(), 0);
  EXPECT_EQ(parts.caption, L"ｷｬﾝｾﾙ");
  EXPECT_EQ(parts.font, rt::FontSpec{});
  EXPECT_EQ(parts.colour, 255u);
  EXPECT_FALSE(parts.opaque);
  EXPECT_EQ(parts.Faces(), Log{});  // disabled: the refresh draws nothing

  parts.log.clear();
  behaviour.ReadProperties(PropertyBag{{L"Enabled", L"yes"},
                                       {L"Caption", rt::FontSpec{}},
                                       {L"FirstRun", std::int64_t{256}},
                                       {L"FontColour", L"red"},
                                       {L"Visible", std::int64_t{2}}});
  EXPECT_EQ(parts.log, (Log{"font"}));  // the container's font, as none is stored
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(behaviour.FirstRun(), 0);
  EXPECT_EQ(parts.colour, 255u);
  EXPECT_FALSE(parts.opaque);
}

TEST(CommandBag, OnlyValuesOtherThanTheDefaultsAreStored) {
  Button button;
  // "Command1" is what a bag without a caption gives; saving stores it.
  EXPECT_EQ(button.parts.caption, L"Command1");
  PropertyBag bag;
  button.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 1u);
  EXPECT_EQ(rt::ToText(bag.ReadProperty(L"Caption", L"")), L"Command1");

  button.parts.caption = L"Command";
  button.parts.log.clear();
  button.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 0u);
  EXPECT_EQ(button.parts.Faces(), Log{"Normal"});
}

TEST(CommandBag, WhatIsWrittenReadsBack) {
  RecordingParts saved;
  CommandBehaviour button(saved);
  button.ReadProperties(PropertyBag{{L"FirstRun", L"0"}});
  saved.caption = L"Command";  // not stored: reads back as "Command1"
  saved.colour = 0x80000012;   // a system colour
  saved.opaque = false;
  button.SetEnabled(rt::kFalse);
  PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 4u);

  RecordingParts parts;
  CommandBehaviour loaded(parts);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(loaded.FirstRun(), 0);
  EXPECT_EQ(parts.caption, L"Command1");
  EXPECT_EQ(parts.font, parts.containerFont);
  EXPECT_EQ(parts.colour, 0x80000012u);
  EXPECT_FALSE(parts.opaque);
}

}  // namespace
}  // namespace zelvane::controls
