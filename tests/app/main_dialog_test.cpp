#include "app/main_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "app/stored_files.h"
#include "chart/compute_chart.h"
#include "chart/precise_chart.h"
#include "support/headless_host.h"
#include "support/temp_dir.h"
#include "ui/dialogs/result_dialog.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;
using M = MainDialog;
namespace hl = headless;

class MainDialogTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<MainDialog>(host, dir.Path(), [this] { return now; });
    host.Open(*dialog);
  }
  std::string Text(int id) const { return dialog->Item(id)->Text(); }
  ListBox& List() const { return dynamic_cast<ListBox&>(*dialog->Item(M::kHistoryList)); }
  ComboBox& Combo() const { return dynamic_cast<ComboBox&>(*dialog->Item(M::kHouseCombo)); }
  void SetDate(const char* day, const char* month, const char* year) {
    hl::Replace(*dialog, M::kDayEdit, day);
    hl::Replace(*dialog, M::kMonthEdit, month);
    hl::Replace(*dialog, M::kYearEdit, year);
  }
  std::string Date() const { return Text(M::kDayEdit) + "." + Text(M::kMonthEdit) + "." + Text(M::kYearEdit); }
  // Presses Calc and returns the positions page the result dialog showed ("" when none ran).
  std::string Calc() {
    std::string page;
    host.OnModal([&page](Dialog& d) {
      page = d.Item(ResultDialog::kPageEdit)->Text();
      hl::PressAlt(d, 'b');
    });
    hl::Click(*dialog, M::kCalcButton);
    return page;
  }
  std::uintmax_t Size(const char* name) const {
    std::error_code ec;
    const auto s = std::filesystem::file_size(dir.Path() / name, ec);
    return ec ? 0 : s;
  }

  TempDir dir;
  HeadlessHost host;
  UtcDateTime now{2006, 2, 28, 17, 5, 30};
  std::unique_ptr<MainDialog> dialog;
};

TEST_F(MainDialogTest, OpensWithTheClockTheDefaultsAndAnEmptyHistory) {
  Open();
  EXPECT_EQ(dialog->Caption(), "Caelix");
  EXPECT_EQ(Date(), "28.2.2006");
  EXPECT_EQ(Text(M::kHourEdit), "17");
  EXPECT_EQ(Text(M::kMinuteEdit), "5.50");
  EXPECT_EQ(Text(M::kLongitudeEdit), "14.417");
  EXPECT_EQ(Text(M::kLatitudeEdit), "50.083");
  EXPECT_EQ(Combo().CurSel(), 0);
  EXPECT_EQ(Combo().Items(), (std::vector<std::string>{"Placidus", "Campanus", "Koch"}));
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(dialog->FocusId(), M::kDayEdit);
  EXPECT_EQ(dialog->BigIcon().width, 32);
  EXPECT_EQ(dialog->SmallIcon().width, 16);
}

TEST_F(MainDialogTest, InTheLastMinuteOfAnHourTheClockStillFillsTheMinute) {
  now = {2006, 2, 28, 17, 59, 45};
  Open();
  EXPECT_EQ(Text(M::kMinuteEdit), "59.75");
}

TEST_F(MainDialogTest, TypingIsCheckedAtEachKeystrokeAndUndoneInPlace) {
  Open();
  const struct {
    int id;
    const char* before;
    const char* typed;  // typed one character at a time after "before"
    const char* after;
  } typing[] = {
      {M::kDayEdit, "", "32", "3"},
      {M::kMonthEdit, "", "13", "1"},
      {M::kHourEdit, "", "24", "2"},
      {M::kDayEdit, "", "05", "05"},
      {M::kDayEdit, "", "3x", "3"},
      {M::kDayEdit, "1", "23", "12"},
      {M::kYearEdit, "", "2006", "2006"},
      {M::kYearEdit, "", "-44", "-44"},
      {M::kYearEdit, "", "-", "-"},
      {M::kYearEdit, "", "020", "0"},
      {M::kYearEdit, "", "123456", "12345"},
      {M::kMinuteEdit, "", "59", "59"},
      {M::kMinuteEdit, "", "30.5", "30.5"},
      {M::kMinuteEdit, "", "-", ""},
      {M::kMinuteEdit, "", "60", "6"},
      {M::kMinuteEdit, "59", ".5", "59."},
      {M::kLongitudeEdit, "", "-360", "-360"},
      {M::kLongitudeEdit, "", "361", "36"},
      {M::kLongitudeEdit, "", ".", ""},
      {M::kLongitudeEdit, "", "-", "-"},
      {M::kLatitudeEdit, "", "65.9", "65.9"},
      {M::kLatitudeEdit, "", "66", "6"},
  };
  for (const auto& t : typing) {
    hl::Replace(*dialog, t.id, t.before);
    hl::Type(*dialog, t.id, t.typed);
    EXPECT_EQ(Text(t.id), t.after) << t.id << ": \"" << t.before << "\" + \"" << t.typed << '"';
  }
  // Whole texts at once, as pasting over the selection: refused ones give back the text before.
  const struct {
    int id;
    const char* before;
    const char* pasted;
    const char* after;
  } pasting[] = {
      {M::kYearEdit, "2006", "02006", "2006"},
      {M::kYearEdit, "2006", "+5", "2006"},
      {M::kYearEdit, "2006", "20.5", "2006"},
      {M::kYearEdit, "2006", "1e3", "2006"},
      {M::kYearEdit, "2006", "-44", "-44"},
      {M::kMinuteEdit, "10", "59.5", "10"},
      {M::kMinuteEdit, "10", "-5", "10"},
      {M::kMinuteEdit, "10", "-", "10"},
      {M::kLongitudeEdit, "1", "361", "1"},
      {M::kLatitudeEdit, "1", "66", "1"},
      {M::kLatitudeEdit, "1", "-66", "1"},
      {M::kLatitudeEdit, "1", "-65.9", "-65.9"},
      {M::kDayEdit, "12", "", ""},
  };
  for (const auto& p : pasting) {
    hl::Replace(*dialog, p.id, p.before);
    hl::Replace(*dialog, p.id, p.pasted);
    EXPECT_EQ(Text(p.id), p.after) << p.id << ": \"" << p.before << "\" -> \"" << p.pasted << '"';
  }
}

TEST_F(MainDialogTest, IncompleteInputFocusesTheFirstIncompleteEditAndComputesNothing) {
  const struct {
    int id;
    const char* text;
  } cases[] = {
      {M::kDayEdit, ""},       {M::kDayEdit, "0"},      {M::kDayEdit, "00"},      {M::kMonthEdit, ""},
      {M::kMonthEdit, "0"},    {M::kYearEdit, ""},      {M::kYearEdit, "-"},      {M::kHourEdit, ""},
      {M::kMinuteEdit, ""},    {M::kLongitudeEdit, ""}, {M::kLongitudeEdit, "-"}, {M::kLatitudeEdit, ""},
      {M::kLatitudeEdit, "-"},
  };
  for (const auto& c : cases) {
    Open();
    hl::Replace(*dialog, c.id, c.text);
    hl::Focus(*dialog, M::kCalcButton);
    EXPECT_EQ(Calc(), "") << c.id << " \"" << c.text << '"';
    EXPECT_EQ(dialog->FocusId(), c.id) << c.id << " \"" << c.text << '"';
  }
  EXPECT_EQ(host.ModalCount(), 0);
  EXPECT_EQ(Size(kHistoryFileName), 0u);
  EXPECT_EQ(Size(kPlaceFileName), 0u);
}

TEST_F(MainDialogTest, EmptyEditsAreFocusedInTheirOrder) {
  Open();
  for (int id :
       {M::kDayEdit, M::kMonthEdit, M::kYearEdit, M::kHourEdit, M::kMinuteEdit, M::kLongitudeEdit, M::kLatitudeEdit}) {
    hl::Replace(*dialog, id, "");
  }
  for (int id :
       {M::kDayEdit, M::kMonthEdit, M::kYearEdit, M::kHourEdit, M::kMinuteEdit, M::kLongitudeEdit, M::kLatitudeEdit}) {
    EXPECT_FALSE(dialog->ReadInput().has_value());
    EXPECT_EQ(dialog->FocusId(), id);
    hl::Replace(*dialog, id, "1");
  }
  EXPECT_TRUE(dialog->ReadInput().has_value());
}

TEST_F(MainDialogTest, CalcShowsThePositionsAndStoresPlaceHouseAndHistory) {
  Open();
  std::string caption;
  ChartInput shown;
  host.OnModal([&](Dialog& d) {
    caption = d.Caption();
    shown = dynamic_cast<ResultDialog&>(d).Input();
    hl::Press(d, hl::Key::Escape);
  });
  hl::PressAlt(*dialog, 'c');
  EXPECT_EQ(caption, "Result:");
  EXPECT_EQ(shown.day, 28);
  EXPECT_EQ(shown.minute, 5.5);
  EXPECT_EQ(shown.longitude, 14.417);
  EXPECT_EQ(shown.houseCode(), 'P');
  EXPECT_EQ(Size(kHouseFileName), 4u);
  EXPECT_EQ(Size(kPlaceFileName), 16u);
  EXPECT_EQ(Size(kHistoryFileName), 560u);
  double lon = 0, lat = 0;
  LoadPlace(dir.Path(), lon, lat);
  EXPECT_EQ(lon, 14.417);
  EXPECT_EQ(lat, 50.083);
  ASSERT_EQ(List().Count(), 1);
  EXPECT_EQ(List().ItemText(0), "28.2.2006 17:05.50, 50.08:14.42");

  const std::string page = Calc();
  EXPECT_EQ(page.substr(0, page.find("\r\n")), "28.2.2006 17GMT:05.50,");
  EXPECT_EQ(List().Count(), 1) << "the same input twice is stored once";
}

TEST_F(MainDialogTest, TheFirstCalcMakesTheDataFolder) {
  const auto folder = dir.Path() / "config" / "caelix";
  dialog = std::make_unique<MainDialog>(host, folder, [this] { return now; });
  host.Open(*dialog);
  EXPECT_FALSE(std::filesystem::exists(folder)) << "opening only reads";
  Calc();
  for (const char* name : {kHouseFileName, kPlaceFileName, kHistoryFileName}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / name)) << name;
  }
}

TEST_F(MainDialogTest, EnterPressesCalc) {
  Open();
  hl::Press(*dialog, hl::Key::Enter);
  EXPECT_EQ(host.ModalCount(), 1);
}

TEST_F(MainDialogTest, HistoryGrowsNewestFirstAndASelectionRecallsItsLine) {
  Open();
  Calc();
  hl::Replace(*dialog, M::kMinuteEdit, "42.125");
  hl::Replace(*dialog, M::kMinuteEdit, "42.12");
  hl::Replace(*dialog, M::kLongitudeEdit, "-122.41");
  Calc();
  ASSERT_EQ(List().Count(), 2);
  EXPECT_EQ(List().ItemText(0), "28.2.2006 17:42.12, 50.08:-122.41");

  hl::Select(*dialog, M::kHistoryList, 1);
  EXPECT_EQ(Text(M::kMinuteEdit), "5.50");
  EXPECT_EQ(Text(M::kLongitudeEdit), "14.417");

  now = {1999, 12, 31, 0, 0, 0};
  Open();
  ASSERT_EQ(List().Count(), 2);
  hl::Select(*dialog, M::kHistoryList, 0);
  EXPECT_EQ(Date(), "28.2.2006");
  EXPECT_EQ(Text(M::kHourEdit), "17");
  EXPECT_EQ(Text(M::kMinuteEdit), "42.12");
  EXPECT_EQ(Text(M::kLongitudeEdit), "-122.41");
  EXPECT_EQ(Text(M::kLatitudeEdit), "50.083");
}

TEST_F(MainDialogTest, ARecordAfterAnUnusableOneIsShownAndRecalled) {
  History h{};
  h[0] = {0, 2, 2006, 17, 5, 50, 14};
  h[1] = {14, 7, 1789, 10, 30, 48.85, 2.35};
  double raw[70] = {};
  for (std::size_t i = 0; i < 2; ++i) {
    const HistoryRecord& r = h[i];
    const double f[7] = {r.day, r.month, r.year, r.hour, r.minute, r.latitude, r.longitude};
    std::copy(f, f + 7, raw + i * 7);
  }
  std::ofstream(dir.Path() / kHistoryFileName, std::ios::binary).write(reinterpret_cast<const char*>(raw), sizeof raw);
  Open();
  ASSERT_EQ(List().Count(), 1);
  EXPECT_EQ(List().ItemText(0), "14.7.1789 10:30.00, 48.85:2.35");
  hl::Select(*dialog, M::kHistoryList, 0);
  EXPECT_EQ(Date(), "14.7.1789");
  EXPECT_EQ(Text(M::kLatitudeEdit), "48.85");
}

TEST_F(MainDialogTest, AStoredHouseIndexOutsideTheChoicesLeavesPlacidus) {
  const std::int32_t seven = 7;
  std::ofstream(dir.Path() / kHouseFileName, std::ios::binary).write(reinterpret_cast<const char*>(&seven), 4);
  Open();
  EXPECT_EQ(Combo().CurSel(), 0);
  Calc();
  int stored = -5;
  LoadHouseIndex(dir.Path(), stored);
  EXPECT_EQ(stored, 0);
}

TEST_F(MainDialogTest, TheChosenHouseSystemIsComputedAndStored) {
  Open();
  hl::Select(*dialog, M::kHouseCombo, 2);
  char code = 0;
  host.OnModal([&code](Dialog& d) { code = dynamic_cast<ResultDialog&>(d).Input().houseCode(); });
  hl::Click(*dialog, M::kCalcButton);
  EXPECT_EQ(code, 'K');
  now = {2000, 1, 1, 0, 0, 0};
  Open();
  EXPECT_EQ(Combo().CurSel(), 2);
}

TEST_F(MainDialogTest, DateSpinsStepThroughTheCalendar) {
  Open();
  const struct {
    const char* day;
    const char* month;
    const char* year;
    int spin;
    int delta;
    const char* after;
  } cases[] = {
      {"31", "12", "2006", M::kDaySpin, +1, "1.1.2007"},  {"1", "1", "2007", M::kDaySpin, -1, "31.12.2006"},
      {"31", "1", "2007", M::kMonthSpin, +1, "3.3.2007"}, {"15", "1", "2007", M::kMonthSpin, -1, "15.12.2006"},
      {"28", "2", "2004", M::kDaySpin, +1, "29.2.2004"},  {"0", "3", "2007", M::kDaySpin, +1, "1.3.2007"},
      {"15", "0", "2007", M::kDaySpin, +1, "15.0.2007"},  {"", "3", "2007", M::kDaySpin, +1, ".3.2007"},
      {"15", "3", "-", M::kMonthSpin, +1, "15.3.-"},      {"15", "", "2007", M::kMonthSpin, -1, "15..2007"},
  };
  for (const auto& c : cases) {
    SetDate(c.day, c.month, c.year);
    hl::ClickSpin(*dialog, c.spin, c.delta);
    EXPECT_EQ(Date(), c.after) << c.day << '.' << c.month << '.' << c.year << " spin " << c.spin << ' ' << c.delta;
  }
}

TEST_F(MainDialogTest, ArrowKeysStepTheSpinOfTheFocusedEdit) {
  Open();
  SetDate("31", "12", "2006");
  hl::Focus(*dialog, M::kDayEdit);
  hl::Press(*dialog, hl::Key::Up);
  EXPECT_EQ(Date(), "1.1.2007");
  hl::Focus(*dialog, M::kMonthEdit);
  hl::Press(*dialog, hl::Key::Down);
  EXPECT_EQ(Date(), "1.12.2006");

  hl::Replace(*dialog, M::kHourEdit, "23");
  hl::Focus(*dialog, M::kHourEdit);
  hl::Press(*dialog, hl::Key::Up);
  EXPECT_EQ(Text(M::kHourEdit), "0");
  hl::Press(*dialog, hl::Key::Down);
  EXPECT_EQ(Text(M::kHourEdit), "23");
  hl::Press(*dialog, hl::Key::Down);
  EXPECT_EQ(Text(M::kHourEdit), "22");
}

TEST_F(MainDialogTest, GraphShowsTheChartViewAndStoresLikeCalc) {
  Open();
  std::string caption;
  host.OnModal([&caption](Dialog& d) {
    caption = d.Caption();
    hl::Press(d, hl::Key::Escape);
  });
  hl::PressAlt(*dialog, 'r');
  EXPECT_EQ(caption, "Horoskop:");  // the chart dialog unless another view is set
  EXPECT_EQ(List().Count(), 1);
  int shown = 0;
  dialog->SetChartView([&shown](DialogHost&, const ChartInput& in, const ChartResult& chart) {
    shown += 1;
    EXPECT_EQ(in.year, 2006);
    EXPECT_GT(chart[BodyId::Sun].longitude, 0.0);
  });
  hl::PressAlt(*dialog, 'R');
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(List().Count(), 1);
}

// The dialogs compute with the classic engine unless the precise one is set (caelix gui --engine).
TEST_F(MainDialogTest, GraphComputesWithTheEngineSet) {
  Open();
  for (Engine engine : {Engine::Classic, Engine::Precise}) {
    dialog->SetEngine(engine);
    ChartResult shown;
    ChartInput input;
    dialog->SetChartView([&](DialogHost&, const ChartInput& in, const ChartResult& chart) {
      input = in;
      shown = chart;
    });
    hl::PressAlt(*dialog, 'R');
    ChartResult want;
    if (engine == Engine::Precise) {
      ComputePreciseChart(input.day, input.hour, input.minute, input.month, input.year, input.longitude, input.latitude,
                          input.houseCode(), want);
    } else {
      ComputeChart(input.day, input.hour, input.minute, input.month, input.year, input.longitude, input.latitude,
                   input.houseCode(), want);
    }
    for (std::size_t i = 1; i < kBodyCount; ++i) {
      EXPECT_EQ(want.slots[i].longitude, shown.slots[i].longitude) << EngineName(engine) << " slot " << i;
    }
  }
}

}  // namespace
}  // namespace caelix
