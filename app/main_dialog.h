#pragma once
// The main input dialog (template 102, "Caelix"): date, UT time and place in validated edits,
// the date spins, the house-system choice, the history list, and Calc and Graph.
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "app/date_stepping.h"
#include "app/history.h"
#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "chart/precise_chart.h"
#include "platform/clock.h"
#include "platform/dialog.h"

namespace caelix {

class MainDialog : public Dialog {
 public:
  enum ControlId : int {
    kDayEdit = 1011,
    kMonthEdit = 1012,
    kDaySpin = 1013,
    kMonthSpin = 1014,
    kYearEdit = 1015,
    kHourEdit = 1016,
    kHourSpin = 1017,
    kMinuteEdit = 1018,
    kLongitudeEdit = 1020,
    kLatitudeEdit = 1021,
    kHouseCombo = 1080,
    kCalcButton = 1008,
    kGraphButton = 1019,
    kHistoryList = 1010,
  };

  using Clock = std::function<UtcDateTime()>;
  // Shows a computed chart modally (the chart window of Graph).
  using ChartView = std::function<void(DialogHost& host, const ChartInput& input, const ChartResult& chart)>;

  // The stored files live in dataDir; clock gives the UT the edits start with.
  MainDialog(DialogHost& host, std::filesystem::path dataDir, Clock clock = CurrentUtc);

  static const DialogTemplate& MainTemplate();

  // What Graph shows: the chart dialog unless another view is set.
  void SetChartView(ChartView view) { chartView_ = std::move(view); }

  // The engine that computes Calc's and Graph's charts: the classic one unless set.
  void SetEngine(Engine engine) { engine_ = engine; }

  // Returns the input of the edits, or nothing with the focus on the first edit that is empty
  // (or holds a lone "-" in the year, longitude or latitude, or 0 as day or month).
  std::optional<ChartInput> ReadInput();

  // The records shown by the history list, line by line.
  const std::vector<HistoryRecord>& HistoryShown() const { return historyShown_; }

 protected:
  bool OnInitDialog() override;
  bool OnNotify(const Notification& n) override;

 private:
  void OnDayChanged();
  void OnMonthChanged();
  void OnYearChanged();
  void OnHourChanged();
  void OnMinuteChanged();
  void OnLongitudeChanged();
  void OnLatitudeChanged();
  void OnDaySpin(SpinDelta& request);
  void OnMonthSpin(SpinDelta& request);
  void OnHistorySelected();
  void OnCalc();
  void OnGraph();

  // Undoes the last change of an edit whose text accept refuses. With guarded, the change the
  // undo makes is not checked again (the undoing flag).
  void Validate(int editId, bool (*accept)(std::string_view), bool guarded);
  void StepDate(DateStep step);
  ChartInput ReadEdits() const;
  // Computes the chart of the edits, lets show present it, then saves the place, the house
  // index and the history and refills the list; nothing when the input is incomplete.
  void Calculate(const ChartView& show);
  void FillHistoryList();
  Edit& EditItem(int id) const { return ItemAs<Edit>(id); }

  static const std::array<MessageEntry<MainDialog>, 12> kMessages;

  std::filesystem::path dataDir_;
  Clock clock_;
  Engine engine_ = Engine::Classic;
  ChartView chartView_;
  std::vector<HistoryRecord> historyShown_;
  bool undoing = false;
};

}  // namespace caelix
