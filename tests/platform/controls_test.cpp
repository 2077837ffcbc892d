#include "platform/controls.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/dialog.h"
#include "support/headless_host.h"

namespace caelix {
namespace {

namespace hl = headless;

constexpr TemplateItem kItems[] = {
    {10, ControlKind::Static, "&Label", 0, 0, 20, 8, kStyleNone},
    {11, ControlKind::Edit, "", 0, 10, 20, 14, kEditDigitsOnly},
    {12, ControlKind::Spin, "", 20, 10, 8, 14, kSpinSetBuddyInt | kSpinArrowKeys},
    {13, ControlKind::Edit, "", 0, 30, 20, 14, kStyleNone},
    {14, ControlKind::Spin, "", 20, 30, 8, 14, kSpinSetBuddyInt | kSpinWrap},
    {15, ControlKind::ListBox, "", 0, 50, 40, 30, kListNotify},
    {16, ControlKind::Button, "G&o", 0, 90, 20, 14, kStyleNone},
    {kIdOk, ControlKind::Button, "&&Ok", 30, 90, 20, 14, kStyleNone},
};
constexpr DialogTemplate kTemplate{1, "Test", "8 System", 60, 110, false, kItems};
constexpr DialogTemplate kClosingTemplate{2, "Closing", "8 System", 60, 110, true, kItems};

// Records every notification; a DeltaPos with cancelSpin set is refused.
class RecordingDialog : public Dialog {
 public:
  using Dialog::Dialog;
  std::vector<std::pair<int, NotifyCode>> seen;
  bool cancelSpin = false;

 protected:
  bool OnNotify(const Notification& n) override {
    seen.emplace_back(n.controlId, n.code);
    if (n.code == NotifyCode::DeltaPos && cancelSpin) n.delta->cancel = true;
    return n.controlId == 16;
  }
};

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    host.Open(dialog);
    spin().SetBuddy(&edit());
    spin().SetRange(1, 5);
    wrapping().SetBuddy(&plain());
    wrapping().SetRange(0, 3);
    dialog.seen.clear();
  }
  Edit& edit() { return dynamic_cast<Edit&>(*dialog.Item(11)); }
  Edit& plain() { return dynamic_cast<Edit&>(*dialog.Item(13)); }
  Spin& spin() { return dynamic_cast<Spin&>(*dialog.Item(12)); }
  Spin& wrapping() { return dynamic_cast<Spin&>(*dialog.Item(14)); }
  ListBox& list() { return dynamic_cast<ListBox&>(*dialog.Item(15)); }

  HeadlessHost host;
  RecordingDialog dialog{host, kTemplate};
};

TEST_F(ControlsTest, EditRefusesWhatItsStyleAndLimitForbidAndUndoesOneStep) {
  edit().SetLimitText(2);
  EXPECT_TRUE(edit().UserReplace("12"));
  EXPECT_FALSE(edit().UserReplace("123"));
  EXPECT_FALSE(edit().UserReplace("1a"));
  EXPECT_EQ(edit().Text(), "12");
  edit().SetText("12345");
  EXPECT_EQ(edit().Text(), "12345") << "a text set by the program is not cut";
  EXPECT_FALSE(edit().CanUndo());
  edit().Undo();
  EXPECT_EQ(edit().Text(), "12345");
  EXPECT_TRUE(edit().UserReplace("1")) << "shortening past the limit is allowed";
  edit().Undo();
  EXPECT_EQ(edit().Text(), "12345");
  edit().Undo();
  EXPECT_EQ(edit().Text(), "1") << "undoing an undo redoes";
  plain().SetLimitText(3);
  EXPECT_TRUE(plain().UserReplace("\xC3\xA9\xC3\xA9\xC3\xA9")) << "three characters, six bytes";
  EXPECT_EQ(plain().TextLength(), 3);
}

TEST_F(ControlsTest, EveryTextChangeIsNotifiedOnce) {
  edit().SetText("1");
  edit().UserReplace("12");
  edit().UserReplace("12");
  edit().Undo();
  const std::vector<std::pair<int, NotifyCode>> expected(3, {11, NotifyCode::Change});
  EXPECT_EQ(dialog.seen, expected);
}

TEST_F(ControlsTest, SpinStepsFromItsBuddyWithinItsRange) {
  const struct {
    int spinId;
    int buddyId;
    const char* start;
    int delta;
    const char* after;
  } cases[] = {
      {12, 11, "3", +1, "4"}, {12, 11, "5", +1, "5"}, {12, 11, "1", -1, "1"},
      {14, 13, "3", +1, "0"}, {14, 13, "0", -1, "3"}, {14, 13, "x", +1, "1"},
  };
  for (const auto& c : cases) {
    auto& s = dynamic_cast<Spin&>(*dialog.Item(c.spinId));
    auto& buddy = dynamic_cast<Edit&>(*dialog.Item(c.buddyId));
    s.SetPos(0);
    buddy.SetText(c.start);
    s.UserStep(c.delta);
    EXPECT_EQ(buddy.Text(), c.after) << c.start << ' ' << c.delta;
  }
}

TEST_F(ControlsTest, ACancelledSpinStaysWhereItIs) {
  edit().SetText("3");
  dialog.seen.clear();
  dialog.cancelSpin = true;
  spin().UserStep(+1);
  EXPECT_EQ(edit().Text(), "3");
  EXPECT_EQ(dialog.seen, (std::vector<std::pair<int, NotifyCode>>{{12, NotifyCode::DeltaPos}}));
}

TEST_F(ControlsTest, ListInsertsAndSelects) {
  EXPECT_EQ(list().InsertString(0, "b"), 0);
  EXPECT_EQ(list().InsertString(0, "a"), 0);
  EXPECT_EQ(list().InsertString(5, "z"), -1);
  EXPECT_EQ(list().AddString("c"), 2);
  EXPECT_EQ(list().Items(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(list().SetCurSel(7), -1);
  list().UserSelect(1);
  list().UserSelect(1);
  EXPECT_EQ(list().CurSel(), 1);
  EXPECT_EQ(dialog.seen, (std::vector<std::pair<int, NotifyCode>>{{15, NotifyCode::SelChange}}));
  list().ResetContent();
  EXPECT_EQ(list().CurSel(), -1);
}

TEST_F(ControlsTest, DialogKeys) {
  EXPECT_EQ(dialog.FocusId(), 11) << "the first control that takes the focus";
  hl::Press(dialog, hl::Key::Tab);
  EXPECT_EQ(dialog.FocusId(), 13);
  hl::Press(dialog, hl::Key::ShiftTab);
  hl::Press(dialog, hl::Key::ShiftTab);
  EXPECT_EQ(dialog.FocusId(), kIdOk);

  EXPECT_TRUE(dialog.PressMnemonic('O'));
  EXPECT_FALSE(dialog.PressMnemonic('l')) << "statics press nothing";
  EXPECT_FALSE(dialog.PressMnemonic('k')) << "&& is a plain ampersand";
  EXPECT_EQ(dialog.seen.back(), (std::pair<int, NotifyCode>{16, NotifyCode::Clicked}));
  EXPECT_FALSE(dialog.Ended());

  hl::Focus(dialog, 13);
  EXPECT_FALSE(dialog.PressArrow(+1)) << "that spin takes no arrow keys";
  hl::Press(dialog, hl::Key::Escape);
  EXPECT_FALSE(dialog.Ended()) << "this template keeps Escape";
  hl::Press(dialog, hl::Key::Enter);
  EXPECT_TRUE(dialog.Ended());
  EXPECT_EQ(dialog.EndCode(), kIdOk);

  RecordingDialog closing(host, kClosingTemplate);
  host.Open(closing);
  hl::Press(closing, hl::Key::Escape);
  EXPECT_EQ(closing.EndCode(), kIdCancel);
}

TEST(DialogUnits, MapToPixelsAtSevenQuarters) {
  const struct {
    int units;
    int pixels;
  } cases[] = {{0, 0}, {4, 7}, {1, 2}, {2, 4}, {132, 231}, {134, 235}, {-4, -7}};
  for (const auto& c : cases) EXPECT_EQ(DialogUnitsToPixels(c.units), c.pixels) << c.units;
}

}  // namespace
}  // namespace caelix
