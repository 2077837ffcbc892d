#pragma once
// The chart dialog (template 135, "Horoskop:"): the wheel of a computed chart drawn over the
// whole client area, and a status line that names the symbols the user taps.
#include <string>

#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "platform/dialog.h"
#include "platform/drawing_surface.h"
#include "ui/wheel/chart_wheel.h"

namespace caelix {

class ChartDialog : public Dialog {
 public:
  enum ControlId : int { kStatusStatic = 1006 };

  // chart is borrowed for the dialog's lifetime.
  ChartDialog(DialogHost& host, const ChartInput& input, const ChartResult* chart);

  static const DialogTemplate& ChartTemplate();

  const std::string& HeaderText() const { return headerText_; }
  const ChartWheel& Wheel() const { return wheel_; }

  bool PaintsClientArea() const override { return true; }
  // Draws the whole wheel (DrawWheel) and keeps where its symbols went for the next taps.
  void OnPaint(DrawingSurface& surface, const Rect& client) override;

 protected:
  // Moves the status line to the bottom of the client area, shows "Click on symbol." and builds
  // the header that names the chart.
  bool OnInitDialog() override;
  // Shows in the status line what the tap names (IdentifySymbols), also when that is nothing.
  void OnLButtonDown(Point p) override;

 private:
  ChartInput input_;
  const ChartResult* chart_;
  std::string headerText_;
  ChartWheel wheel_;
};

}  // namespace caelix
