#pragma once
// The desktop backend: each dialog in its own FLTK window with the template's caption, its
// controls placed from the template's dialog units times the scale, driven by keyboard, mouse
// and touch. Alt with a letter presses a button by its mnemonic, Enter the default button,
// Escape closes a dialog whose template says so, the close box ends any dialog.
#include "platform/dialog.h"

namespace caelix {

// The X11 class of every window (WM_CLASS), which the desktop entry's StartupWMClass names.
inline constexpr const char* kWindowClass = "caelix";

class FltkHost : public DialogHost {
 public:
  // scale: screen pixels per dialog pixel (a dialog unit is 1.75 dialog pixels).
  explicit FltkHost(double scale);

  // True when a display can be opened (DISPLAY names a running X server).
  static bool DisplayAvailable();

  int RunModal(Dialog& dialog) override;
  double Scale() const { return scale_; }

 private:
  double scale_;
};

}  // namespace caelix
