#include "ui/dialogs/chart_dialog.h"

#include <gtest/gtest.h>

#include "chart/compute_chart.h"
#include "support/headless_host.h"
#include "support/recording_surface.h"
#include "support/sample_chart.h"

namespace caelix {
namespace {

using C = ChartDialog;

class ChartDialogTest : public ::testing::Test {
 protected:
  static ChartInput Sample() { return testing::SampleInput(); }
  ChartDialogTest() { host.Open(dialog); }
  std::string Status() const { return dialog.Item(C::kStatusStatic)->Text(); }
  void Paint() {
    RecordingSurface surface;
    dialog.OnPaint(surface, dialog.ClientRect());
  }

  ChartInput input = Sample();
  ChartResult chart = ComputeChart(input);
  HeadlessHost host;
  ChartDialog dialog{host, input, &chart};
};

TEST_F(ChartDialogTest, StatusLineAtTheBottomAndTheHeader) {
  EXPECT_EQ("Horoskop:", dialog.Caption());
  const Rect client = dialog.ClientRect();
  EXPECT_EQ(RectAt(2, client.Height() - 16, client.Width() - 4, 14), dialog.Item(C::kStatusStatic)->Bounds());
  EXPECT_EQ("Click on symbol.", Status());
  EXPECT_EQ("28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0", dialog.HeaderText());
  EXPECT_TRUE(dialog.PaintsClientArea());
}

TEST_F(ChartDialogTest, TapsBeforeAndAfterPainting) {
  dialog.LeftButtonDown({dialog.ClientRect().Width() / 2, dialog.ClientRect().Width() / 2});
  EXPECT_EQ("", Status());  // nothing is placed before the first paint
  Paint();
  const SymbolPosition sun = dialog.Wheel().symbolPositions()[1];
  ASSERT_TRUE(sun.placed);
  dialog.LeftButtonDown({sun.point.x, sun.point.y});
  EXPECT_EQ(0u, Status().find("So ")) << Status();
  const int centre = dialog.Wheel().wheelSize() / 2;
  dialog.LeftButtonDown({centre, centre});
  EXPECT_EQ(dialog.HeaderText() + " ", Status());
  dialog.LeftButtonDown({0, 0});
  EXPECT_EQ("", Status());
}

TEST_F(ChartDialogTest, EscapeCloses) {
  headless::Press(dialog, headless::Key::Escape);
  EXPECT_TRUE(dialog.Ended());
}

}  // namespace
}  // namespace caelix
