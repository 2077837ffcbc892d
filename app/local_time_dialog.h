#pragma once
// The "Local time and place" helper (Alt+L in the main dialog): a town from the atlas with the
// matches listed as the user types, the local date and clock time, and the zone (filled in from
// the town, editable). OK converts to UT (ResolveBirthData) and gives what the main dialog's
// edits take.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "places/atlas.h"
#include "places/local_time.h"
#include "platform/dialog.h"

namespace caelix {

class LocalTimeDialog : public Dialog {
 public:
  enum ControlId : int {
    kPlaceEdit = 1101,
    kMatchList = 1102,
    kDayEdit = 1103,
    kMonthEdit = 1104,
    kYearEdit = 1105,
    kHourEdit = 1106,
    kMinuteEdit = 1107,
    kZoneEdit = 1108,
    kLongitudeEdit = 1109,
    kLatitudeEdit = 1110,
    kStatusText = 1111,
    kChoiceCombo = 1112,
  };

  // What the edits start with: the main dialog's date, time and place.
  struct Start {
    ClockTime clock;
    double longitudeDeg;
    double latitudeDeg;
  };

  // The UT and the place for the main dialog's edits.
  struct Converted {
    ClockTime ut;
    double longitudeDeg;
    double latitudeDeg;
  };

  LocalTimeDialog(DialogHost& host, const Start& start);

  static const DialogTemplate& HelperTemplate();

  // After OK: the conversion.
  const std::optional<Converted>& Result() const { return result_; }
  // The places listed under the place field.
  const std::vector<AtlasMatch>& Matches() const { return matches_; }

 protected:
  bool OnInitDialog() override;
  bool OnNotify(const Notification& n) override;
  void OnOK() override;

 private:
  void OnPlaceChanged();
  void OnMatchSelected();
  void UseMatch(std::size_t index);
  void SetStatus(const std::string& text);
  Edit& EditItem(int id) const { return ItemAs<Edit>(id); }

  static const std::array<MessageEntry<LocalTimeDialog>, 2> kMessages;

  Start start_;
  std::vector<AtlasMatch> matches_;
  std::optional<AtlasPlace> chosen_;
  std::optional<Converted> result_;
};

}  // namespace caelix
