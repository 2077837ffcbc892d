#include "app/main_dialog.h"

#include <cstdio>
#include <string>

#include "app/app_icon.h"
#include "app/edit_validators.h"
#include "app/stored_files.h"
#include "chart/compute_chart.h"
#include "platform/data_folder.h"
#include "ui/dialogs/chart_dialog.h"
#include "ui/dialogs/result_dialog.h"

namespace caelix {

namespace {

constexpr unsigned kEditStyle = kEditBorder | kEditAutoHScroll;
constexpr unsigned kDateSpinStyle = kSpinSetBuddyInt | kSpinArrowKeys;

constexpr TemplateItem kItems[] = {
    {1000, ControlKind::Static, "Day:", 11, 13, 16, 8, kStyleNone},
    {1011, ControlKind::Edit, "", 38, 10, 22, 14, kEditStyle | kEditDigitsOnly},
    {1013, ControlKind::Spin, "", 62, 10, 11, 14, kDateSpinStyle},
    {1001, ControlKind::Static, "Month:", 11, 31, 24, 8, kStyleNone},
    {1012, ControlKind::Edit, "", 38, 28, 22, 14, kEditStyle | kEditDigitsOnly},
    {1014, ControlKind::Spin, "", 62, 28, 11, 14, kDateSpinStyle},
    {1002, ControlKind::Static, "Year:", 11, 49, 18, 8, kStyleNone},
    {1015, ControlKind::Edit, "", 38, 46, 28, 14, kEditStyle},
    {1003, ControlKind::Static, "Hour:", 11, 67, 19, 8, kStyleNone},
    {1016, ControlKind::Edit, "", 38, 64, 22, 14, kEditStyle | kEditDigitsOnly},
    {1017, ControlKind::Spin, "", 62, 64, 11, 14, kDateSpinStyle | kSpinWrap},
    {1004, ControlKind::Static, "(UT/GMT)", 77, 67, 41, 8, kStyleNone},
    {1005, ControlKind::Static, "Minute:", 10, 85, 25, 8, kStyleNone},
    {1018, ControlKind::Edit, "", 38, 84, 28, 14, kEditStyle},
    {1006, ControlKind::Static, "Long.:", 11, 105, 22, 8, kStyleNone},
    {1020, ControlKind::Edit, "", 38, 102, 28, 14, kEditStyle},
    {1009, ControlKind::Static, "Lat.:", 11, 124, 16, 8, kStyleNone},
    {1021, ControlKind::Edit, "", 38, 120, 28, 14, kEditStyle},
    {1080, ControlKind::ComboBox, "", 83, 10, 42, 36, kComboDropDownList},
    {1008, ControlKind::Button, "Cal&c", 83, 28, 41, 14, kButtonDefault},
    {1019, ControlKind::Button, "G&rap", 83, 46, 42, 14, kStyleNone},
    {1010, ControlKind::ListBox, "", 68, 84, 57, 50, kListNotify | kVScrollBar},
};

constexpr DialogTemplate kTemplate{102, "Caelix", "8 System", 132, 142, false, kItems};

std::string Formatted(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Truncates a stored value (already checked to be whole and small) for a spin position.
int SpinValue(double v) { return static_cast<int>(static_cast<unsigned short>(static_cast<int>(v))); }

}  // namespace

const std::array<MessageEntry<MainDialog>, 12> MainDialog::kMessages = {{
    {kDayEdit, NotifyCode::Change, &MainDialog::OnDayChanged},
    {kMonthEdit, NotifyCode::Change, &MainDialog::OnMonthChanged},
    {kYearEdit, NotifyCode::Change, &MainDialog::OnYearChanged},
    {kHourEdit, NotifyCode::Change, &MainDialog::OnHourChanged},
    {kMinuteEdit, NotifyCode::Change, &MainDialog::OnMinuteChanged},
    {kLongitudeEdit, NotifyCode::Change, &MainDialog::OnLongitudeChanged},
    {kLatitudeEdit, NotifyCode::Change, &MainDialog::OnLatitudeChanged},
    {kDaySpin, NotifyCode::DeltaPos, &MainDialog::OnDaySpin},
    {kMonthSpin, NotifyCode::DeltaPos, &MainDialog::OnMonthSpin},
    {kHistoryList, NotifyCode::SelChange, &MainDialog::OnHistorySelected},
    {kCalcButton, NotifyCode::Clicked, &MainDialog::OnCalc},
    {kGraphButton, NotifyCode::Clicked, &MainDialog::OnGraph},
}};

MainDialog::MainDialog(DialogHost& host, std::filesystem::path dataDir, Clock clock)
    : Dialog(host, kTemplate),
      dataDir_(std::move(dataDir)),
      clock_(std::move(clock)),
      chartView_([](DialogHost& chartHost, const ChartInput& input, const ChartResult& chart) {
        ChartDialog dialog(chartHost, input, &chart);
        dialog.DoModal();
      }) {}

const DialogTemplate& MainDialog::MainTemplate() { return kTemplate; }

bool MainDialog::OnNotify(const Notification& n) { return DispatchMessage(*this, kMessages, n); }

bool MainDialog::OnInitDialog() {
  SetIcon(AppIcon(32), true);
  SetIcon(AppIcon(16), false);
  undoing = false;
  const UtcDateTime now = clock_();

  auto& daySpin = ItemAs<Spin>(kDaySpin);
  daySpin.SetBase(10);
  daySpin.SetBuddy(&EditItem(kDayEdit));
  daySpin.SetRange(1, 31);
  daySpin.SetPos(now.day);
  EditItem(kDayEdit).SetLimitText(2);

  auto& monthSpin = ItemAs<Spin>(kMonthSpin);
  monthSpin.SetBase(10);
  monthSpin.SetBuddy(&EditItem(kMonthEdit));
  monthSpin.SetRange(1, 12);
  monthSpin.SetPos(now.month);
  EditItem(kMonthEdit).SetLimitText(2);
  EditItem(kYearEdit).SetLimitText(5);

  EditItem(kYearEdit).SetText(std::to_string(now.year));

  auto& hourSpin = ItemAs<Spin>(kHourSpin);
  hourSpin.SetBase(10);
  hourSpin.SetBuddy(&EditItem(kHourEdit));
  hourSpin.SetRange(0, 23);
  hourSpin.SetPos(now.hour);
  EditItem(kHourEdit).SetLimitText(2);
  EditItem(kMinuteEdit).SetLimitText(5);

  EditItem(kMinuteEdit).SetText(Formatted("%.2f", now.second * (1.0 / 60.0) + now.minute));

  double longitude = kDefaultLongitude;
  double latitude = kDefaultLatitude;
  LoadPlace(dataDir_, longitude, latitude);
  EditItem(kLongitudeEdit).SetLimitText(7);
  EditItem(kLongitudeEdit).SetText(ExactDecimalText(longitude));
  EditItem(kLatitudeEdit).SetLimitText(6);
  EditItem(kLatitudeEdit).SetText(ExactDecimalText(latitude));

  int houseIndex = 0;
  LoadHouseIndex(dataDir_, houseIndex);
  auto& combo = ItemAs<ComboBox>(kHouseCombo);
  combo.ResetContent();
  for (const HouseSystemInfo& h : kHouseSystems) combo.AddString(h.name);
  combo.SetCurSel(houseIndex);

  FillHistoryList();
  return true;
}

void MainDialog::Validate(int editId, bool (*accept)(std::string_view), bool guarded) {
  if (guarded && undoing) return;
  Edit& edit = EditItem(editId);
  if (accept(edit.Text())) return;
  if (guarded) undoing = true;
  edit.Undo();
  if (guarded) undoing = false;
}

void MainDialog::OnDayChanged() { Validate(kDayEdit, AcceptsDay, false); }
void MainDialog::OnMonthChanged() { Validate(kMonthEdit, AcceptsMonth, false); }
void MainDialog::OnHourChanged() { Validate(kHourEdit, AcceptsHour, false); }
void MainDialog::OnYearChanged() { Validate(kYearEdit, AcceptsYear, true); }
void MainDialog::OnMinuteChanged() { Validate(kMinuteEdit, AcceptsMinute, true); }
void MainDialog::OnLongitudeChanged() { Validate(kLongitudeEdit, AcceptsLongitude, true); }
void MainDialog::OnLatitudeChanged() { Validate(kLatitudeEdit, AcceptsLatitude, true); }

void MainDialog::OnDaySpin(SpinDelta& request) {
  const DateStep step = request.delta == 1 ? DateStep::DayUp : DateStep::DayDown;
  request.delta = 0;
  request.cancel = false;
  StepDate(step);
}

void MainDialog::OnMonthSpin(SpinDelta& request) {
  const DateStep step = request.delta == 1 ? DateStep::MonthUp : DateStep::MonthDown;
  request.delta = 0;
  request.cancel = false;
  StepDate(step);
}

void MainDialog::StepDate(DateStep step) {
  const std::string& dayText = EditItem(kDayEdit).Text();
  const std::string& monthText = EditItem(kMonthEdit).Text();
  const std::string& yearText = EditItem(kYearEdit).Text();
  if (dayText.empty() || monthText.empty() || yearText.empty() || yearText == "-") return;
  const auto next = SteppedDate(TextToInteger(dayText), TextToInteger(monthText), TextToInteger(yearText), step);
  if (!next) return;
  ItemAs<Spin>(kDaySpin).SetPos(next->day);
  ItemAs<Spin>(kMonthSpin).SetPos(next->month);
  EditItem(kYearEdit).SetText(std::to_string(next->year));
}

ChartInput MainDialog::ReadEdits() const {
  ChartInput in;
  in.day = TextToInteger(EditItem(kDayEdit).Text());
  in.month = TextToInteger(EditItem(kMonthEdit).Text());
  in.year = TextToInteger(EditItem(kYearEdit).Text());
  in.hour = TextToInteger(EditItem(kHourEdit).Text());
  in.minute = TextToDecimal(EditItem(kMinuteEdit).Text());
  in.longitude = TextToDecimal(EditItem(kLongitudeEdit).Text());
  in.latitude = TextToDecimal(EditItem(kLatitudeEdit).Text());
  in.houseIndex = ItemAs<ComboBox>(kHouseCombo).CurSel();
  return in;
}

std::optional<ChartInput> MainDialog::ReadInput() {
  auto emptyOr = [this](int id, std::string_view alsoIncomplete) {
    const std::string& t = EditItem(id).Text();
    return t.empty() || t == alsoIncomplete;
  };
  const struct {
    int id;
    bool incomplete;
  } checks[] = {
      {kDayEdit, emptyOr(kDayEdit, "") || TextToInteger(EditItem(kDayEdit).Text()) == 0},
      {kMonthEdit, emptyOr(kMonthEdit, "") || TextToInteger(EditItem(kMonthEdit).Text()) == 0},
      {kYearEdit, emptyOr(kYearEdit, "-")},
      {kHourEdit, emptyOr(kHourEdit, "")},
      {kMinuteEdit, emptyOr(kMinuteEdit, "")},
      {kLongitudeEdit, emptyOr(kLongitudeEdit, "-")},
      {kLatitudeEdit, emptyOr(kLatitudeEdit, "-")},
  };
  for (const auto& c : checks) {
    if (c.incomplete) {
      SetFocus(c.id);
      return std::nullopt;
    }
  }
  return ReadEdits();
}

void MainDialog::Calculate(const ChartView& show) {
  const auto input = ReadInput();
  if (!input) return;
  ChartResult chart;
  if (engine_ == Engine::Precise) {
    ComputePreciseChart(input->day, input->hour, input->minute, input->month, input->year, input->longitude,
                        input->latitude, input->houseCode(), chart);
  } else {
    ComputeChart(input->day, input->hour, input->minute, input->month, input->year, input->longitude, input->latitude,
                 input->houseCode(), chart);
  }
  show(Host(), *input, chart);

  const ChartInput now = ReadEdits();
  CreateDataFolder(dataDir_);  // made when the first file is written into it
  SavePlace(dataDir_, now.longitude, now.latitude);
  SaveHouseIndex(dataDir_, now.houseIndex);
  SaveHistory(dataDir_, HistoryRecord{now.day, now.month, now.year, now.hour, now.minute, now.latitude, now.longitude});
  FillHistoryList();
}

void MainDialog::OnCalc() {
  Calculate([](DialogHost& host, const ChartInput& input, const ChartResult& chart) {
    ResultDialog result(host, input, &chart);
    result.DoModal();
  });
}

void MainDialog::OnGraph() {
  if (chartView_) Calculate(chartView_);
}

void MainDialog::FillHistoryList() {
  auto& list = ItemAs<ListBox>(kHistoryList);
  list.ResetContent();
  historyShown_.clear();
  for (const HistoryRecord& r : LoadHistory(dataDir_)) {
    if (!IsUsedRecord(r)) continue;
    list.AddString(FormatHistoryLine(r));
    historyShown_.push_back(r);
  }
}

void MainDialog::OnHistorySelected() {
  const int selection = ItemAs<ListBox>(kHistoryList).CurSel();
  if (selection < 0 || selection >= static_cast<int>(historyShown_.size())) return;
  const HistoryRecord r = historyShown_[static_cast<std::size_t>(selection)];
  ItemAs<Spin>(kDaySpin).SetPos(SpinValue(r.day));
  ItemAs<Spin>(kMonthSpin).SetPos(SpinValue(r.month));
  EditItem(kYearEdit).SetText(Formatted("%.0f", r.year));
  ItemAs<Spin>(kHourSpin).SetPos(SpinValue(r.hour));
  EditItem(kMinuteEdit).SetText(ExactDecimalText(r.minute));
  EditItem(kLongitudeEdit).SetText(ExactDecimalText(r.longitude));
  EditItem(kLatitudeEdit).SetText(ExactDecimalText(r.latitude));
}

}  // namespace caelix
