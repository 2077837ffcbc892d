#pragma once
// The result dialog (template 131, "Result:"): one multi-line edit showing one of four pages of
// a computed chart, and the buttons that switch pages and close the dialog.
#include <array>
#include <string>

#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "platform/dialog.h"
#include "ui/pages/page_list.h"

namespace caelix {

class ResultDialog : public Dialog {
 public:
  enum ControlId : int {
    kPositionsButton = 3,
    kElementsButton = 4,
    kQuadruplicityButton = 2,
    kAspectsButton = 5,
    kBackButton = kIdOk,
    kPageEdit = 1039,
  };

  // chart is borrowed for the dialog's lifetime.
  ResultDialog(DialogHost& host, const ChartInput& input, const ChartResult* chart);

  static const DialogTemplate& ResultTemplate();

  const ChartInput& Input() const { return input_; }
  // The aspects page is built at its first showing; empty until then.
  const std::string& AspectsText() const { return pages_[static_cast<std::size_t>(Page::Aspects)]; }

 protected:
  bool OnInitDialog() override;
  bool OnNotify(const Notification& n) override;

 private:
  void OnPositions();
  void OnElements();
  void OnQuadruplicity();
  void OnAspects();
  // Returns a page's text, building it at its first use.
  const std::string& PageText(Page page);
  void ShowPage(Page page);

  static const std::array<MessageEntry<ResultDialog>, 4> kMessages;

  ChartInput input_;
  const ChartResult* chart_;
  std::array<std::string, kPages.size()> pages_;  // indexed by Page
};

}  // namespace caelix
