#pragma once
// The history of inputs: the ten newest distinct inputs, newest first, as the history file holds
// them and the main dialog's list shows them.
#include <array>
#include <string>

namespace caelix {

// One stored input; the members in the order of the file's 56-byte record.
struct HistoryRecord {
  double day = 0.0;  // 0 marks an empty record
  double month = 0.0;
  double year = 0.0;
  double hour = 0.0;       // UT
  double minute = 0.0;     // fraction allowed
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive

  friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

inline constexpr int kHistorySize = 10;
using History = std::array<HistoryRecord, kHistorySize>;

// True for a record that holds an input the main dialog could have taken: every value finite;
// day 1-31, month 1-12, hour 0-23 and the year (within +-999999, the reach of date stepping) whole; 0 <= minute < 60;
// -360 <= longitude <= 360; -66 < latitude < 66. A record that is not used counts as empty.
bool IsUsedRecord(const HistoryRecord& r);

// Returns the history after an input: current first, then the used records of old in their
// order that differ from current in any value (exact comparison), up to ten; the rest empty.
History MergeHistory(const History& old, const HistoryRecord& current);

// Returns the list line of a record: day.month.year hour:minute, latitude:longitude with the
// integers truncated and the minute, latitude and longitude to two decimals, the minute padded to
// two digits before the point: 28.2.2006 17:05.50, 50.08:14.42.
std::string FormatHistoryLine(const HistoryRecord& r);

}  // namespace caelix
