// The push button's behaviour against a recording double of its parts: every
// state change with the face it paints, Click, the refresh routines, the
// properties and the property bag.
#include "controls/command_behaviour.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "runtime/errors_suppressed.h"

namespace zelvane::controls {
namespace {

using rt::PropertyBag;

const char* Name(Skin skin) {
  switch (skin) {
    case Skin::kNormal:
      return "Normal";
    case Skin::kHighLight:
      return "HighLight";
    case Skin::kSelected:
      return "Selected";
    case Skin::kHighLightSelect:
      return "HighLightSelect";
    case Skin::kPressed:
      return "Pressed";
    case Skin::kDisable:
      return "Disable";
  }
  return "?";
}

// UTF-8, so log entries compare with the test's own literals.
std::string Narrow(std::wstring_view text) {
  std::string out;
  for (wchar_t w : text) {
    const auto c = static_cast<std::uint32_t>(w);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Records what the behaviour does to the button's parts. A face is logged as
// its image, with "/" when the gradient is inverted. Operations named in
// `failing` throw, as a refused platform call does.
class RecordingParts : public CommandParts {
 public:
  std::vector<std::string> log;
  std::set<std::string> failing;
  std::wstring caption = L"Command";
  rt::FontSpec font;
  rt::FontSpec containerFont{L"ＭＳ Ｐゴシック",  9.75, 400, false, false, false,
                             rt::kShiftJisCharset};
  rt::Colour colour = rt::kBlack;
  bool captionEnabled = true;
  bool opaque = true;
  unsigned watchMs = 0;
  int clicks = 0;

  std::vector<std::string> Faces() const {
    std::vector<std::string> faces;
    for (const std::string& entry : log) {
      if (entry.rfind("face ", 0) == 0) faces.push_back(entry.substr(5));
    }
    return faces;
  }

  void PaintFace(Skin skin, bool gradientInverted) override {
    Do("face " + std::string(Name(skin)) + (gradientInverted ? "/" : ""));
  }
  std::wstring CaptionText() const override { return caption; }
  void SetCaptionText(std::wstring_view text) override {
    Do("caption " + Narrow(text));
    caption = text;
  }
  rt::FontSpec CaptionFont() const override { return font; }
  void SetCaptionFont(const rt::FontSpec& f) override {
    Do("font " + Narrow(f.face));
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
  void SetCaptionEnabled(bool enabled) override {
    Do(enabled ? "caption on" : "caption off");
    captionEnabled = enabled;
  }
  bool Opaque() const override { return opaque; }
  void SetOpaque(bool o) override {
    Do(o ? "opaque" : "transparent");
    opaque = o;
  }
  rt::FontSpec ContainerFont() const override { return containerFont; }
  void StartPointerWatch(unsigned intervalMs) override {
    Do("watch");
    watchMs = intervalMs;
  }
  void NotifyChanged(std::wstring_view property) override { Do("changed " + Narrow(property)); }
  void RaiseClick() override {
    Do("click");
    ++clicks;
  }

 private:
  // Logs the operation, then refuses it if it is to fail (matched on the
  // operation's first word or on the whole entry).
  void Do(const std::string& entry) {
    log.push_back(entry);
    if (failing.count(entry) || failing.count(entry.substr(0, entry.find(' ')))) {
      throw rt::RuntimeError("refused");
    }
  }
};

constexpr std::uintptr_t kFormWindow = 0x100;
constexpr std::uintptr_t kOwnWindow = 0x200;
constexpr std::uintptr_t kOtherWindow = 0x300;

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

enum class Trigger {
  kMove,
  kDownLeft,
  kDownRight,
  kDownMiddle,
  kUpLeft,
  kUpRight,
  kUpMiddle,
  kGotFocus,
  kLostFocus,
  kTickOverForm,
  kTickOverOther,
  kTickOverOwn,
};

void Fire(CommandBehaviour& b, Trigger trigger) {
  switch (trigger) {
    case Trigger::kMove:
      return b.MouseMove();
    case Trigger::kDownLeft:
      return b.MouseDown(1);
    case Trigger::kDownRight:
      return b.MouseDown(2);
    case Trigger::kDownMiddle:
      return b.MouseDown(4);
    case Trigger::kUpLeft:
      return b.MouseUp(1);
    case Trigger::kUpRight:
      return b.MouseUp(2);
    case Trigger::kUpMiddle:
      return b.MouseUp(4);
    case Trigger::kGotFocus:
      return b.GotFocus();
    case Trigger::kLostFocus:
      return b.LostFocus();
    case Trigger::kTickOverForm:
      return b.PointerWatchTick(kFormWindow, kFormWindow, kOwnWindow);
    case Trigger::kTickOverOther:
      return b.PointerWatchTick(kOtherWindow, kFormWindow, kOwnWindow);
    case Trigger::kTickOverOwn:
      return b.PointerWatchTick(kOwnWindow, kFormWindow, kOwnWindow);
  }
}

struct Row {
  const char* name;
  std::uint8_t from;
  bool held;  // the left button is down on the button
  Trigger trigger;
  std::uint8_t to;
  std::vector<std::string> faces;
  bool click;
  bool heldAfter;
};

const std::vector<Row> kRows = {
    {"entry shows HighLight, inverted", 1, false, Trigger::kMove, 2, {"HighLight/"}, false, false},
    {"move while over", 2, false, Trigger::kMove, 2, {}, false, false},
    {"entry on focused shows HighLightSelect",
     3,
     false,
     Trigger::kMove,
     4,
     {"HighLightSelect"},
     false,
     false},
    {"entry on focused while held", 3, true, Trigger::kMove, 3, {}, false, true},
    {"move on focused and over", 4, false, Trigger::kMove, 4, {}, false, false},
    {"move before Initialize", 0, false, Trigger::kMove, 0, {}, false, false},
    {"press in state 1", 1, false, Trigger::kDownLeft, 1, {"Pressed"}, false, true},
    {"press in state 2", 2, false, Trigger::kDownLeft, 2, {"Pressed/"}, false, true},
    {"press in state 3", 3, false, Trigger::kDownLeft, 3, {"Pressed"}, false, true},
    {"right press", 2, false, Trigger::kDownRight, 2, {}, false, false},
    {"middle press", 1, false, Trigger::kDownMiddle, 1, {}, false, false},
    {"release in state 2", 2, true, Trigger::kUpLeft, 2, {"Normal/"}, true, false},
    {"release in state 4", 4, true, Trigger::kUpLeft, 4, {"HighLightSelect"}, true, false},
    {"release in state 1", 1, true, Trigger::kUpLeft, 1, {}, true, false},
    {"release in state 0", 0, true, Trigger::kUpLeft, 0, {}, true, false},
    {"release in state 3", 3, true, Trigger::kUpLeft, 3, {}, false, false},
    {"right release in state 2", 2, false, Trigger::kUpRight, 2, {}, true, false},
    {"middle release in state 4 keeps the press", 4, true, Trigger::kUpMiddle, 4, {}, true, true},
    {"right release in state 3", 3, false, Trigger::kUpRight, 3, {}, false, false},
    {"focus while over", 2, false, Trigger::kGotFocus, 4, {"Pressed/"}, false, false},
    {"focus in state 0", 0, false, Trigger::kGotFocus, 3, {"Selected"}, false, false},
    {"focus in state 1", 1, false, Trigger::kGotFocus, 3, {"Selected"}, false, false},
    {"focus in state 3", 3, false, Trigger::kGotFocus, 3, {"Selected"}, false, false},
    {"focus in state 4", 4, false, Trigger::kGotFocus, 3, {"Selected"}, false, false},
    {"blur in state 0", 0, false, Trigger::kLostFocus, 1, {"Normal"}, false, false},
    {"blur in state 1", 1, false, Trigger::kLostFocus, 1, {}, false, false},
    {"blur in state 2", 2, false, Trigger::kLostFocus, 1, {"Normal"}, false, false},
    {"blur in state 3", 3, false, Trigger::kLostFocus, 1, {"Normal"}, false, false},
    {"blur in state 4", 4, false, Trigger::kLostFocus, 1, {"Normal"}, false, false},
    {"pointer over the form leaves 2",
     2,
     false,
     Trigger::kTickOverForm,
     1,
     {"Normal"},
     false,
     false},
    {"pointer elsewhere leaves 2", 2, false, Trigger::kTickOverOther, 1, {"Normal"}, false, false},
    {"pointer elsewhere leaves 4",
     4,
     false,
     Trigger::kTickOverOther,
     3,
     {"Selected"},
     false,
     false},
    {"pointer over the form leaves 4",
     4,
     false,
     Trigger::kTickOverForm,
     3,
     {"Selected"},
     false,
     false},
    {"pointer still over", 2, false, Trigger::kTickOverOwn, 2, {}, false, false},
    {"pointer still over, focused", 4, false, Trigger::kTickOverOwn, 4, {}, false, false},
    {"pointer away in state 1", 1, false, Trigger::kTickOverOther, 1, {}, false, false},
    {"pointer away in state 3", 3, false, Trigger::kTickOverForm, 3, {}, false, false},
};

TEST(CommandStates, EveryTriggerInEveryStateItNames) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Button button(row.from, row.held);
    ASSERT_EQ(button.behaviour.ButtonState(), row.from);
    Fire(button.behaviour, row.trigger);
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
    Fire(button.behaviour, row.trigger);
    EXPECT_EQ(button.behaviour.ButtonState(), row.from);
    EXPECT_EQ(button.parts.log, std::vector<std::string>{});
    EXPECT_EQ(button.behaviour.MouseIsDown(), rt::ToFlag(row.held));
  }
}

// Sequences a user can go through, each event with the faces it paints.
struct Step {
  Trigger trigger;
  std::vector<std::string> faces;
};

struct Story {
  const char* name;
  std::uint8_t from;
  std::vector<Step> steps;
  std::uint8_t to;
  int clicks;
};

const std::vector<Story> kStories = {
    {"a click from outside: focus on the press, HighLightSelect stays inverted",
     1,
     {{Trigger::kMove, {"HighLight/"}},
      {Trigger::kGotFocus, {"Pressed/"}},
      {Trigger::kDownLeft, {"Pressed/"}},
      {Trigger::kUpLeft, {"HighLightSelect/"}}},
     4,
     1},
    {"entry on a focused button: HighLightSelect with the normal gradient",
     3,
     {{Trigger::kMove, {"HighLightSelect"}},
      {Trigger::kDownLeft, {"Pressed"}},
      {Trigger::kUpLeft, {"HighLightSelect"}}},
     4,
     1},
    {"press, leave, release outside: no Click",
     2,
     {{Trigger::kGotFocus, {"Pressed/"}},
      {Trigger::kDownLeft, {"Pressed/"}},
      {Trigger::kTickOverForm, {"Selected"}},
      {Trigger::kUpLeft, {}}},
     3,
     0},
    {"press, leave, come back holding, release: no Click, next move lights up",
     4,
     {{Trigger::kDownLeft, {"Pressed"}},
      {Trigger::kTickOverOther, {"Selected"}},
      {Trigger::kMove, {}},
      {Trigger::kUpLeft, {}},
      {Trigger::kMove, {"HighLightSelect"}}},
     4,
     0},
    {"a release in state 2 paints Normal; leaving then repaints Normal",
     2,
     {{Trigger::kDownLeft, {"Pressed/"}},
      {Trigger::kUpLeft, {"Normal/"}},
      {Trigger::kTickOverForm, {"Normal"}}},
     1,
     1},
    {"before Initialize: no HighLight; focus then blur, then entry works",
     0,
     {{Trigger::kMove, {}},
      {Trigger::kGotFocus, {"Selected"}},
      {Trigger::kLostFocus, {"Normal"}},
      {Trigger::kMove, {"HighLight/"}}},
     2,
     0},
    {"before Initialize: a press that focuses gives no Click",
     0,
     {{Trigger::kGotFocus, {"Selected"}},
      {Trigger::kDownLeft, {"Pressed"}},
      {Trigger::kUpLeft, {}}},
     3,
     0},
};

TEST(CommandStates, UserSequences) {
  for (const Story& story : kStories) {
    SCOPED_TRACE(story.name);
    Button button(story.from);
    for (const Step& step : story.steps) {
      button.parts.log.clear();
      Fire(button.behaviour, step.trigger);
      EXPECT_EQ(button.parts.Faces(), step.faces) << "step " << static_cast<int>(step.trigger);
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
  EXPECT_EQ(button.parts.Faces(), std::vector<std::string>{});
}

// Repaints that leave the state as it is.
TEST(CommandRefresh, ReadsAndResizeRepaintWithoutChangingTheState) {
  struct Case {
    const char* name;
    bool enabled;
    std::function<void(CommandBehaviour&)> act;
    std::vector<std::string> log;
  };
  const std::vector<Case> cases = {
      {"Enabled read",
       true,
       [](auto& b) { EXPECT_EQ(b.Enabled(), rt::kTrue); },
       {"face Normal", "caption on"}},
      {"Enabled read, disabled",
       false,
       [](auto& b) { EXPECT_EQ(b.Enabled(), rt::kFalse); },
       {"face Disable", "caption off"}},
      {"FontColour read", true, [](auto& b) { b.FontColour(); }, {"caption on", "face Normal"}},
      {"FontColour read, disabled", false, [](auto& b) { b.FontColour(); }, {}},
      {"Visible read",
       true,
       [](auto& b) { EXPECT_EQ(b.Visible(), 255); },
       {"caption on", "face Normal"}},
      {"Visible read, disabled", false, [](auto& b) { EXPECT_EQ(b.Visible(), 255); }, {}},
      {"Resize", true, [](auto& b) { b.Resize(); }, {"face Normal", "caption on"}},
      {"Resize, disabled", false, [](auto& b) { b.Resize(); }, {"face Disable", "caption off"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Button button(kStateHighLightSelect);
    if (!c.enabled) button.behaviour.SetEnabled(rt::kFalse);
    button.parts.log.clear();
    c.act(button.behaviour);
    EXPECT_EQ(button.parts.log, c.log);
    EXPECT_EQ(button.behaviour.ButtonState(), kStateHighLightSelect);
  }
}

TEST(CommandRefresh, DisablingShowsDisableAndAnnouncesTheChange) {
  Button button(kStateSelected);
  button.behaviour.SetEnabled(rt::kFalse);
  EXPECT_EQ(button.parts.log,
            (std::vector<std::string>{"changed Enabled", "face Disable", "caption off"}));
  button.parts.log.clear();
  button.behaviour.SetEnabled(rt::kTrue);
  EXPECT_EQ(button.parts.log,
            (std::vector<std::string>{"changed Enabled", "face Normal", "caption on"}));
  EXPECT_EQ(button.behaviour.ButtonState(), kStateSelected);
}

TEST(CommandFirstRun, ANewButtonIsDisabledUntilEnabledIsRead) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.MouseUp(kLeftButton);
  behaviour.GotFocus();
  EXPECT_EQ(parts.log, std::vector<std::string>{});

  EXPECT_EQ(behaviour.Enabled(), rt::kTrue);
  EXPECT_EQ(behaviour.FirstRun(), 1);
  // The caption refresh ran while still disabled, so only RefreshEnabled shows.
  EXPECT_EQ(parts.log, (std::vector<std::string>{"face Normal", "caption on"}));
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
  RecordingParts& parts = button.parts;
  CommandBehaviour& b = button.behaviour;

  b.SetCaption(L"設定");
  EXPECT_EQ(b.Caption(), L"設定");
  const rt::FontSpec tahoma;
  b.SetFont(tahoma);
  EXPECT_EQ(b.Font(), tahoma);
  b.SetVisible(0);
  EXPECT_EQ(b.Visible(), 0);
  EXPECT_EQ(parts.log,
            (std::vector<std::string>{"caption 設定", "changed Caption", "font Tahoma",
                                      "changed Font", "transparent", "changed Visible"}));
  parts.log.clear();
  b.SetVisible(7);
  EXPECT_EQ(parts.log,
            (std::vector<std::string>{"opaque", "caption on", "face Normal", "changed Visible"}));
  parts.log.clear();
  b.SetFontColour(0x8000000F);
  EXPECT_EQ(b.FontColour(), 0x8000000Fu);
  EXPECT_EQ(parts.log.front(), "colour 2147483663");
  EXPECT_EQ(parts.log[3], "changed FontColour");
}

TEST(CommandFailures, FontColourGivesUpAfterARefresh) {
  Button button;
  button.parts.colour = rt::Rgb(1, 2, 3);
  button.parts.failing = {"read colour"};
  EXPECT_EQ(button.behaviour.FontColour(), rt::kBlack);
  EXPECT_EQ(button.parts.log, (std::vector<std::string>{"caption on", "face Normal"}));

  button.parts.log.clear();
  button.parts.failing = {"colour"};
  button.behaviour.SetFontColour(rt::Rgb(9, 9, 9));
  // No notice for a change that did not happen.
  EXPECT_EQ(button.parts.log,
            (std::vector<std::string>{"colour 592137", "caption on", "face Normal"}));
}

TEST(CommandFailures, CaptionRefreshFallsBackToBlackAndGoesOn) {
  Button button;
  button.parts.colour = rt::Rgb(0, 0, 255);
  button.parts.failing = {"caption on"};
  button.behaviour.RefreshCaption();
  EXPECT_EQ(button.parts.log, (std::vector<std::string>{"caption on", "colour 0", "face Normal"}));
  EXPECT_EQ(button.parts.colour, rt::kBlack);
}

TEST(CommandFailures, AFailedClickHandlerOrPaintStopsNothing) {
  Button button(kStateHighLight, true);
  button.parts.failing = {"face", "click"};
  button.behaviour.MouseUp(kLeftButton);
  EXPECT_EQ(button.behaviour.MouseIsDown(), rt::kFalse);
  EXPECT_EQ(button.parts.log, (std::vector<std::string>{"face Normal/", "click"}));
}

TEST(CommandBag, AnEmptyBagGivesTheDefaultsInOrder) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  behaviour.ReadProperties(PropertyBag{});
  EXPECT_EQ(parts.log,
            (std::vector<std::string>{"caption Command1", "font ＭＳ Ｐゴシック", "colour 0",
                                      "opaque", "caption on", "face Normal"}));
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kTrue);
  EXPECT_EQ(behaviour.FirstRun(), 1);
  EXPECT_EQ(parts.font, parts.containerFont);
}

TEST(CommandBag, StoredValuesAreReadWhateverTheKeysLetterCase) {
  RecordingParts parts;
  CommandBehaviour behaviour(parts);
  const rt::FontSpec tahoma;
  behaviour.ReadProperties(PropertyBag{{L"ENABLED", std::int64_t{0}},
                                       {L"caption", L"ｷｬﾝｾﾙ"},
                                       {L"Font", tahoma},
                                       {L"firstrun", L"0"},
                                       {L"FontColour", std::int64_t{255}},
                                       {L"visible", std::int64_t{0}}});
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(behaviour.FirstRun(), 0);
  EXPECT_EQ(parts.caption, L"ｷｬﾝｾﾙ");
  EXPECT_EQ(parts.font, tahoma);
  EXPECT_EQ(parts.colour, 255u);
  EXPECT_FALSE(parts.opaque);
  EXPECT_EQ(parts.Faces(), std::vector<std::string>{});  // disabled: the refresh draws nothing
}

TEST(CommandBag, ValuesThatDoNotConvertAreSkipped) {
  RecordingParts parts;
  parts.colour = 7;
  parts.opaque = false;
  CommandBehaviour behaviour(parts);
  behaviour.ReadProperties(PropertyBag{{L"Enabled", L"yes"},
                                       {L"Caption", rt::FontSpec{}},
                                       {L"FirstRun", std::int64_t{256}},
                                       {L"FontColour", L"red"},
                                       {L"Visible", std::int64_t{2}}});
  EXPECT_EQ(behaviour.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(behaviour.FirstRun(), 0);
  EXPECT_EQ(parts.log, (std::vector<std::string>{"font ＭＳ Ｐゴシック"}));
  EXPECT_EQ(parts.colour, 7u);
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
  EXPECT_EQ(button.parts.Faces(), std::vector<std::string>{"Normal"});
}

TEST(CommandBag, WhatIsWrittenReadsBack) {
  Button saved;
  saved.parts.caption = L"Command";  // not stored: reads back as "Command1"
  saved.parts.font = rt::FontSpec{};
  saved.parts.colour = 0x80000012;  // a system colour
  saved.parts.opaque = false;
  saved.behaviour.SetEnabled(rt::kFalse);
  PropertyBag bag;
  saved.behaviour.WriteProperties(bag);
  EXPECT_EQ(bag.Size(), 4u);

  RecordingParts parts;
  CommandBehaviour loaded(parts);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.EnabledFlag(), rt::kFalse);
  EXPECT_EQ(loaded.FirstRun(), 1);
  EXPECT_EQ(parts.caption, L"Command1");
  EXPECT_EQ(parts.font, rt::FontSpec{});
  EXPECT_EQ(parts.colour, 0x80000012u);
  EXPECT_FALSE(parts.opaque);
}

}  // namespace
}  // namespace zelvane::controls
