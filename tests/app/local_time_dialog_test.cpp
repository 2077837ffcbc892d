// The "Local time and place" helper, driven headless from the main dialog as a person would:
// Alt+L, type a town, pick from the list, type the local date and time, OK.
#include "app/local_time_dialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_dialog.h"
#include "support/headless_host.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;
using L = LocalTimeDialog;
using M = MainDialog;
namespace hl = headless;

class LocalTimeHelperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = std::make_unique<MainDialog>(host, dir.Path(), [] { return UtcDateTime{2006, 2, 28, 17, 5, 30}; });
    host.Open(*dialog);
  }
  std::string Text(int id) const { return dialog->Item(id)->Text(); }
  // Opens the helper with Alt+L and runs script in it; returns what the status line showed last.
  std::string RunHelper(const std::function<void(Dialog&)>& script) {
    std::string status;
    host.OnModal([&](Dialog& d) {
      EXPECT_EQ(d.Caption(), "Local time and place");
      script(d);
      status = d.Item(L::kStatusText)->Text();
    });
    const int before = host.ModalCount();
    hl::PressAlt(*dialog, 'l');
    EXPECT_EQ(host.ModalCount(), before + 1) << "Alt+L opened no dialog";
    return status;
  }
  static void TypeLocal(Dialog& d, const char* day, const char* month, const char* year, const char* hour,
                        const char* minute) {
    hl::Replace(d, L::kDayEdit, day);
    hl::Replace(d, L::kMonthEdit, month);
    hl::Replace(d, L::kYearEdit, year);
    hl::Replace(d, L::kHourEdit, hour);
    hl::Replace(d, L::kMinuteEdit, minute);
  }

  TempDir dir;
  HeadlessHost host;
  std::unique_ptr<MainDialog> dialog;
};

TEST_F(LocalTimeHelperTest, MadridSummerTimeFillsTheMainDialogWithUt) {
  RunHelper([](Dialog& d) {
    hl::Type(d, L::kPlaceEdit, "Madrid");
    const auto& helper = dynamic_cast<LocalTimeDialog&>(d);
    ASSERT_FALSE(helper.Matches().empty());
    EXPECT_EQ(d.Item(L::kZoneEdit)->Text(), "Europe/Madrid");
    EXPECT_EQ(d.Item(L::kLongitudeEdit)->Text(), "-3.7026");
    EXPECT_EQ(d.Item(L::kLatitudeEdit)->Text(), "40.4165");
    TypeLocal(d, "14", "7", "1985", "9", "20");
    hl::Press(d, hl::Key::Enter);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(Text(M::kDayEdit), "14");
  EXPECT_EQ(Text(M::kMonthEdit), "7");
  EXPECT_EQ(Text(M::kYearEdit), "1985");
  EXPECT_EQ(Text(M::kHourEdit), "7");
  EXPECT_EQ(Text(M::kMinuteEdit), "20.00");
  EXPECT_EQ(Text(M::kLongitudeEdit), "-3.7026");
  EXPECT_EQ(Text(M::kLatitudeEdit), "40.4165");
}

TEST_F(LocalTimeHelperTest, TheListNarrowsAsTheUserTypesAndAPickFillsZoneAndPlace) {
  RunHelper([](Dialog& d) {
    const auto& helper = dynamic_cast<LocalTimeDialog&>(d);
    hl::Type(d, L::kPlaceEdit, "Springfield");
    const auto& list = dynamic_cast<ListBox&>(*d.Item(L::kMatchList));
    ASSERT_GE(list.Count(), 3);
    EXPECT_EQ(list.ItemText(0).rfind("Springfield, Missouri", 0), 0u) << list.ItemText(0);
    hl::Select(d, L::kMatchList, 2);  // Springfield, Illinois
    EXPECT_EQ(helper.Matches()[2].place.regionName, "Illinois");
    EXPECT_EQ(d.Item(L::kZoneEdit)->Text(), "America/Chicago");
    EXPECT_EQ(d.Item(L::kLatitudeEdit)->Text(), "39.8017");
    hl::Replace(d, L::kPlaceEdit, "Xyzzyqq");
    EXPECT_EQ(list.Count(), 0);
    hl::Click(d, kIdCancel);
  });
  EXPECT_EQ(Text(M::kDayEdit), "28") << "Cancel leaves the main dialog as it was";
  EXPECT_EQ(Text(M::kLatitudeEdit), "50.083");
}

TEST_F(LocalTimeHelperTest, ARepeatedTimeIsRefusedUntilAReadingIsChosen) {
  const std::string status = RunHelper([](Dialog& d) {
    hl::Type(d, L::kPlaceEdit, "Madrid");
    TypeLocal(d, "27", "10", "2024", "2", "30");
    hl::Click(d, kIdOk);
    EXPECT_FALSE(d.Ended());
    EXPECT_NE(d.Item(L::kStatusText)->Text().find("occurs twice"), std::string::npos);
    hl::Select(d, L::kChoiceCombo, 2);  // later UT
    hl::Click(d, kIdOk);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(Text(M::kHourEdit), "1");
  EXPECT_EQ(Text(M::kMinuteEdit), "30.00");
  EXPECT_EQ(Text(M::kDayEdit), "27");
}

TEST_F(LocalTimeHelperTest, RefusesWhatTheMainDialogCannotTake) {
  struct Case {
    const char* place;
    const char* zone;
    const char* latitude;
    const char* statusPart;
  } const cases[] = {
      {"Tromsø", nullptr, nullptr, "strictly between -66 and 66"},
      {"", "Mars/Olympus", nullptr, "not a time zone"},
      {"", "UT", "40Q25", "not a latitude"},
  };
  for (const Case& c : cases) {
    const std::string status = RunHelper([&c](Dialog& d) {
      if (*c.place) hl::Type(d, L::kPlaceEdit, c.place);
      if (c.zone) hl::Replace(d, L::kZoneEdit, c.zone);
      if (c.latitude) hl::Replace(d, L::kLatitudeEdit, c.latitude);
      hl::Click(d, kIdOk);
      EXPECT_FALSE(d.Ended()) << c.place << c.zone;
    });
    EXPECT_NE(status.find(c.statusPart), std::string::npos) << status;
  }
  const std::string invalid = RunHelper([](Dialog& d) {
    TypeLocal(d, "30", "2", "2001", "9", "20");
    hl::Click(d, kIdOk);
  });
  EXPECT_NE(invalid.find("not a date and time of the calendar"), std::string::npos) << invalid;
  EXPECT_EQ(Text(M::kDayEdit), "28");
}

TEST_F(LocalTimeHelperTest, AltWithOtherLettersStillPressesOnlyButtons) {
  EXPECT_FALSE(dialog->PressMnemonic('q'));
  EXPECT_EQ(host.ModalCount(), 0);
}

}  // namespace
}  // namespace caelix
