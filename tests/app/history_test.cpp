#include "app/history.h"

#include <gtest/gtest.h>

#include <limits>

namespace caelix {
namespace {

HistoryRecord Input(double day, double minute = 5.5) { return {day, 2, 2006, 17, minute, 50.083, 14.417}; }

TEST(MergeHistory, NewestFirstWithoutRepeats) {
  History old{};
  old[0] = Input(28);
  old[1] = Input(27);
  old[2] = Input(26);

  const History same = MergeHistory(old, Input(28));
  EXPECT_EQ(same[0], Input(28));
  EXPECT_EQ(same[1], Input(27));
  EXPECT_EQ(same[2], Input(26));
  EXPECT_EQ(same[3], HistoryRecord{});

  const History moved = MergeHistory(old, Input(26));
  EXPECT_EQ(moved[0], Input(26));
  EXPECT_EQ(moved[1], Input(28));
  EXPECT_EQ(moved[2], Input(27));
  EXPECT_EQ(moved[3], HistoryRecord{});

  const History minute = MergeHistory(old, Input(28, 5.75));
  EXPECT_EQ(minute[0], Input(28, 5.75));
  EXPECT_EQ(minute[1], Input(28));
  EXPECT_EQ(minute[2], Input(27));
}

TEST(MergeHistory, ElevenInputsKeepTheTenNewest) {
  History h{};
  for (int day = 1; day <= 11; ++day) h = MergeHistory(h, Input(day));
  for (int i = 0; i < kHistorySize; ++i) EXPECT_EQ(h[static_cast<std::size_t>(i)], Input(11 - i)) << i;
}

TEST(MergeHistory, UnusedRecordsAreDroppedAndTheRestCloseUp) {
  History old{};
  old[0] = Input(20);
  old[1] = HistoryRecord{};
  old[2] = Input(21);
  old[3] = {std::numeric_limits<double>::quiet_NaN(), 2, 2006, 17, 5, 50, 14};
  old[4] = Input(22);
  const History h = MergeHistory(old, Input(1));
  EXPECT_EQ(h[1], Input(20));
  EXPECT_EQ(h[2], Input(21));
  EXPECT_EQ(h[3], Input(22));
  EXPECT_EQ(h[4], HistoryRecord{});
}

TEST(IsUsedRecord, OnlyWhatTheEditsCouldHold) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    HistoryRecord r;
    bool used;
  } cases[] = {
      {Input(28), true},
      {{0, 2, 2006, 17, 5, 50, 14}, false},
      {{28.5, 2, 2006, 17, 5, 50, 14}, false},
      {{32, 2, 2006, 17, 5, 50, 14}, false},
      {{28, 13, 2006, 17, 5, 50, 14}, false},
      {{28, 2, 2006.5, 17, 5, 50, 14}, false},
      {{28, 2, 1e300, 17, 5, 50, 14}, false},
      {{28, 2, -44, 17, 5, 50, 14}, true},
      {{28, 2, 100000, 17, 5, 50, 14}, true},
      {{28, 2, 2006, 24, 5, 50, 14}, false},
      {{28, 2, 2006, 17, 59.99, 50, 14}, true},
      {{28, 2, 2006, 17, 60, 50, 14}, false},
      {{28, 2, 2006, 17, nan, 50, 14}, false},
      {{28, 2, 2006, 17, 5, 66, 14}, false},
      {{28, 2, 2006, 17, 5, 50, 361}, false},
      {{28, 2, 2006, 17, 5, 50, inf}, false},
      {{28, 2, 2006, 17, 5, -65.9, -360}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUsedRecord(c.r), c.used) << c.r.day << '.' << c.r.month << '.' << c.r.year << ' ' << c.r.hour << ':'
                                         << c.r.minute << ' ' << c.r.latitude << ' ' << c.r.longitude;
  }
}

TEST(FormatHistoryLine, TruncatedIntegersAndTwoDecimals) {
  const struct {
    HistoryRecord r;
    const char* line;
  } cases[] = {
      {{28, 2, 2006, 17, 5.5, 50.083, 14.417}, "28.2.2006 17:05.50, 50.08:14.42"},
      {{1, 12, -44, 0, 42.5, -33.9, -151.2}, "1.12.-44 0:42.50, -33.90:-151.20"},
      {{1, 1, 2000, 9, 0, 0, 0}, "1.1.2000 9:00.00, 0.00:0.00"},
      {{1, 1, 2000, 9, 9.999, 0, 0}, "1.1.2000 9:10.00, 0.00:0.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatHistoryLine(c.r), c.line);
}

}  // namespace
}  // namespace caelix
