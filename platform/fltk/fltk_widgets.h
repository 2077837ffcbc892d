#pragma once
// The FLTK widgets that show the dialog controls: each draws its control's state (Sync) and
// hands the user's input to the control or the dialog. Coordinates are dialog pixels times the
// window's scale.
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>

#include <memory>

#include "platform/dialog.h"

namespace caelix::fltk {

// Maps dialog pixels to screen pixels.
struct Scaler {
  double scale = 1.0;
  int Length(int v) const;
  // The screen rectangle of a dialog rectangle, edges rounded so neighbours stay adjacent.
  void Map(const Rect& r, int& x, int& y, int& w, int& h) const;
  int FontSize() const;
};

// A widget bound to a control.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual Fl_Widget& Widget() = 0;
  // Shows the control's current state.
  virtual void Sync() = 0;
  // Gives the widget the keyboard focus (an edit's text is selected whole).
  virtual void Focus() { Widget().take_focus(); }
};

// Returns the view of a control, created inside the current FLTK group.
std::unique_ptr<ControlView> MakeView(Dialog& dialog, Control& control, const Scaler& scaler);

}  // namespace caelix::fltk
