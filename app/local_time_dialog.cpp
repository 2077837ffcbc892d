#include "app/local_time_dialog.h"

#include <cmath>
#include <cstdio>

#include "app/edit_validators.h"
#include "chart/input_rules.h"
#include "places/birth_data.h"

namespace caelix {

namespace {

constexpr unsigned kEditStyle = kEditBorder | kEditAutoHScroll;
constexpr std::size_t kMatchesShown = 8;
constexpr TemplateItem kItems[] = {
    {1120, ControlKind::Static, "Place:", 8, 11, 36, 8, kStyleNone},
    {1101, ControlKind::Edit, "", 50, 8, 148, 14, kEditStyle},
    {1102, ControlKind::ListBox, "", 50, 25, 148, 46, kListNotify | kVScrollBar},
    {1121, ControlKind::Static, "Date:", 8, 79, 36, 8, kStyleNone},
    {1103, ControlKind::Edit, "", 50, 76, 18, 14, kEditStyle | kEditDigitsOnly},
    {1104, ControlKind::Edit, "", 70, 76, 18, 14, kEditStyle | kEditDigitsOnly},
    {1105, ControlKind::Edit, "", 90, 76, 28, 14, kEditStyle},
    {1122, ControlKind::Static, "day month year", 122, 79, 76, 8, kStyleNone},
    {1123, ControlKind::Static, "Time:", 8, 97, 36, 8, kStyleNone},
    {1106, ControlKind::Edit, "", 50, 94, 18, 14, kEditStyle | kEditDigitsOnly},
    {1107, ControlKind::Edit, "", 70, 94, 28, 14, kEditStyle},
    {1124, ControlKind::Static, "hour minute, local clock", 102, 97, 96, 8, kStyleNone},
    {1125, ControlKind::Static, "Zone:", 8, 115, 36, 8, kStyleNone},
    {1108, ControlKind::Edit, "", 50, 112, 148, 14, kEditStyle},
    {1126, ControlKind::Static, "Long.:", 8, 133, 36, 8, kStyleNone},
    {1109, ControlKind::Edit, "", 50, 130, 50, 14, kEditStyle},
    {1127, ControlKind::Static, "Lat.:", 110, 133, 20, 8, kStyleNone},
    {1110, ControlKind::Edit, "", 134, 130, 50, 14, kEditStyle},
    {1128, ControlKind::Static, "Repeated or skipped clock time:", 8, 151, 112, 8, kStyleNone},
    {1112, ControlKind::ComboBox, "", 122, 148, 76, 40, kComboDropDownList},
    {1111, ControlKind::Static, "", 8, 166, 190, 26, kStyleNone},
    {kIdOk, ControlKind::Button, "OK", 94, 196, 50, 14, kButtonDefault},
    {kIdCancel, ControlKind::Button, "Cancel", 148, 196, 50, 14, kStyleNone},
};

constexpr DialogTemplate kTemplate{110, "Local time and place", "8 System", 206, 218, true, kItems};

// The choices of the combo box, in its order.
constexpr struct {
  const char* text;
  ClockChoice choice;
} kChoices[] = {{"ask", ClockChoice::Refuse}, {"earlier UT", ClockChoice::Earlier}, {"later UT", ClockChoice::Later}};

std::string Decimal(double v, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", digits, v);
  return text;
}

// "Madrid, Madrid, Spain (ES), population 3255944": a line of the match list.
std::string MatchLine(const AtlasPlace& p) {
  std::string line(p.name);
  if (!p.regionName.empty()) line += ", " + std::string(p.regionName);
  line += ", " + std::string(p.countryName.empty() ? p.countryCode : p.countryName);
  return line + " (" + std::to_string(p.population) + ")";
}

}  // namespace

const std::array<MessageEntry<LocalTimeDialog>, 2> LocalTimeDialog::kMessages = {{
    {kPlaceEdit, NotifyCode::Change, &LocalTimeDialog::OnPlaceChanged},
    {kMatchList, NotifyCode::SelChange, &LocalTimeDialog::OnMatchSelected},
}};

LocalTimeDialog::LocalTimeDialog(DialogHost& host, const Start& start) : Dialog(host, kTemplate), start_(start) {}

const DialogTemplate& LocalTimeDialog::HelperTemplate() { return kTemplate; }

bool LocalTimeDialog::OnNotify(const Notification& n) { return DispatchMessage(*this, kMessages, n); }

bool LocalTimeDialog::OnInitDialog() {
  EditItem(kDayEdit).SetText(std::to_string(start_.clock.day));
  EditItem(kMonthEdit).SetText(std::to_string(start_.clock.month));
  EditItem(kYearEdit).SetText(std::to_string(start_.clock.year));
  EditItem(kHourEdit).SetText(std::to_string(start_.clock.hour));
  EditItem(kMinuteEdit).SetText(Decimal(start_.clock.minute, 2));
  EditItem(kZoneEdit).SetText("UT");
  EditItem(kLongitudeEdit).SetText(ExactDecimalText(start_.longitudeDeg));
  EditItem(kLatitudeEdit).SetText(ExactDecimalText(start_.latitudeDeg));
  auto& combo = ItemAs<ComboBox>(kChoiceCombo);
  combo.ResetContent();
  for (const auto& c : kChoices) combo.AddString(c.text);
  combo.SetCurSel(0);
  SetFocus(kPlaceEdit);
  return false;
}

void LocalTimeDialog::OnPlaceChanged() {
  matches_ = Atlas::Embedded().Find(EditItem(kPlaceEdit).Text(), kMatchesShown);
  auto& list = ItemAs<ListBox>(kMatchList);
  list.ResetContent();
  for (const AtlasMatch& m : matches_) list.AddString(MatchLine(m.place));
  if (matches_.empty()) {
    chosen_.reset();
    return;
  }
  list.SetCurSel(0);
  UseMatch(0);
}

void LocalTimeDialog::OnMatchSelected() {
  const int selection = ItemAs<ListBox>(kMatchList).CurSel();
  if (selection >= 0 && selection < static_cast<int>(matches_.size())) UseMatch(static_cast<std::size_t>(selection));
}

void LocalTimeDialog::UseMatch(std::size_t index) {
  chosen_ = matches_[index].place;
  EditItem(kLongitudeEdit).SetText(Decimal(chosen_->longitudeDeg, 4));
  EditItem(kLatitudeEdit).SetText(Decimal(chosen_->latitudeDeg, 4));
  EditItem(kZoneEdit).SetText(chosen_->zone);
  SetStatus(std::string(chosen_->name) + ", " +
            std::string(chosen_->countryName.empty() ? chosen_->countryCode : chosen_->countryName) + ": " +
            std::string(chosen_->zone));
}

void LocalTimeDialog::SetStatus(const std::string& text) { ItemAs<Static>(kStatusText).SetText(text); }

void LocalTimeDialog::OnOK() {
  BirthDataRequest request;
  request.local = {TextToInteger(EditItem(kYearEdit).Text()), TextToInteger(EditItem(kMonthEdit).Text()),
                   TextToInteger(EditItem(kDayEdit).Text()), TextToInteger(EditItem(kHourEdit).Text()),
                   TextToDecimal(EditItem(kMinuteEdit).Text())};
  request.zone = EditItem(kZoneEdit).Text();
  request.longitude = EditItem(kLongitudeEdit).Text();
  request.latitude = EditItem(kLatitudeEdit).Text();
  const int choice = ItemAs<ComboBox>(kChoiceCombo).CurSel();
  request.choice =
      choice >= 0 && choice < static_cast<int>(std::size(kChoices)) ? kChoices[choice].choice : ClockChoice::Refuse;
  const BirthDataResult r = ResolveBirthData(request);
  if (!r.value) {
    SetStatus(r.error);
    return;
  }
  // The main dialog's latitude edit keeps its range whatever the house system.
  if (!IsLatitudeInRange(r.value->latitudeDeg)) {
    SetStatus("lat: the main dialog takes latitudes " + std::string(kLatitudeRangeText) +
              "; beyond them use caelix chart --houses campanus");
    return;
  }
  result_ = Converted{r.value->ut, r.value->longitudeDeg, r.value->latitudeDeg};
  EndDialog(kIdOk);
}

}  // namespace caelix
