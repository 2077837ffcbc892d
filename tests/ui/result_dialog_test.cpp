#include "ui/dialogs/result_dialog.h"

#include <gtest/gtest.h>

#include "chart/compute_chart.h"
#include "support/headless_host.h"
#include "support/sample_chart.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {
namespace {

namespace hl = headless;
using R = ResultDialog;

class ResultDialogTest : public ::testing::Test {
 protected:
  static ChartInput Sample() { return testing::SampleInput(1); }
  ResultDialogTest() { host.Open(dialog); }
  std::string Page() const { return dialog.Item(R::kPageEdit)->Text(); }

  ChartInput input = Sample();
  ChartResult chart = ComputeChart(input);
  HeadlessHost host;
  ResultDialog dialog{host, input, &chart};
};

TEST_F(ResultDialogTest, ControlsArePlacedFromTheClientRectangle) {
  const Rect client = dialog.ClientRect();
  ASSERT_EQ(client, (Rect{0, 0, 231, 235}));
  const struct {
    int id;
    Rect bounds;
  } cases[] = {
      {R::kPageEdit, RectAt(12, 12, 207, 183)},      {R::kPositionsButton, RectAt(12, 201, 36, 24)},
      {R::kElementsButton, RectAt(50, 201, 36, 24)}, {R::kQuadruplicityButton, RectAt(88, 201, 36, 24)},
      {R::kAspectsButton, RectAt(126, 201, 36, 24)}, {R::kBackButton, RectAt(183, 201, 36, 24)},
  };
  for (const auto& c : cases) EXPECT_EQ(dialog.Item(c.id)->Bounds(), c.bounds) << c.id;
  EXPECT_EQ(dialog.Caption(), "Result:");
}

TEST_F(ResultDialogTest, ButtonsAndMnemonicsSwitchPagesAndAspectsAreBuiltOnFirstDemand) {
  EXPECT_EQ(Page(), BuildPositionsText(input, chart));
  EXPECT_EQ(Page().substr(0, 24), "28.2.2006 17GMT:42.50,\r\n");
  EXPECT_EQ(dialog.AspectsText(), "");
  const struct {
    char mnemonic;
    std::string page;
  } cases[] = {
      {'e', BuildElementsText(chart)},         {'q', BuildQuadruplicityText(chart)}, {'a', BuildAspectsText(chart)},
      {'r', BuildPositionsText(input, chart)}, {'a', BuildAspectsText(chart)},
  };
  for (const auto& c : cases) {
    hl::PressAlt(dialog, c.mnemonic);
    EXPECT_EQ(Page(), c.page) << c.mnemonic;
  }
  EXPECT_EQ(dialog.AspectsText(), BuildAspectsText(chart));
  EXPECT_FALSE(dialog.Ended()) << "the quadruplicity button has the id of Cancel but does not close";
}

TEST_F(ResultDialogTest, TypedTextIsReplacedByTheNextPage) {
  hl::Replace(dialog, R::kPageEdit, "scribbled");
  EXPECT_EQ(Page(), "scribbled");
  hl::Click(dialog, R::kPositionsButton);
  EXPECT_EQ(Page(), BuildPositionsText(input, chart));
}

TEST_F(ResultDialogTest, BackEnterAndEscapeClose) {
  const struct {
    void (*press)(Dialog&);
    int code;
  } cases[] = {
      {[](Dialog& d) { hl::Click(d, R::kBackButton); }, kIdOk},
      {[](Dialog& d) { hl::PressAlt(d, 'b'); }, kIdOk},
      {[](Dialog& d) { hl::Press(d, hl::Key::Enter); }, kIdOk},
      {[](Dialog& d) { hl::Press(d, hl::Key::Escape); }, kIdCancel},
  };
  for (const auto& c : cases) {
    host.OnModal(c.press);
    ResultDialog d(host, input, &chart);
    EXPECT_EQ(d.DoModal(), c.code);
    EXPECT_TRUE(d.Ended());
  }
}

}  // namespace
}  // namespace caelix
