#pragma once
// The dialog base: controls made from a template, a message table that routes control
// notifications to member handlers, keyboard focus, the keyboard's dialog keys (mnemonics,
// Enter, Escape, arrows), and the modal run through a host, which is the backend that shows the
// dialog and delivers the user's input.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dialog_template.h"
#include "platform/drawing_surface.h"
#include "platform/geometry.h"
#include "platform/icon_image.h"

namespace caelix {

class Dialog;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// A backend: runs a dialog modally, showing it and delivering input until it ends.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Calls dialog.InitDialog() once its controls can be shown, then delivers input until the
  // dialog ends; returns its end code.
  virtual int RunModal(Dialog& dialog) = 0;
};

// What a backend learns of a dialog it shows.
class DialogObserver {
 public:
  virtual void ControlChanged(Control& control) = 0;
  virtual void FocusChanged(int controlId) = 0;
  virtual void IconChanged() = 0;
  // The client area must be painted again (dialogs that paint it themselves).
  virtual void Invalidated() = 0;

 protected:
  ~DialogObserver() = default;
};

struct Notification {
  int controlId;
  NotifyCode code;
  SpinDelta* delta;  // for DeltaPos, else null
};

// One row of a message table: (control id, notification) and the member handler of dialog
// class D; handlers of DeltaPos take the spin's request.
template <class D>
struct MessageEntry {
  constexpr MessageEntry(int id, NotifyCode c, void (D::*h)()) : controlId(id), code(c), handler(h) {}
  constexpr MessageEntry(int id, NotifyCode c, void (D::*h)(SpinDelta&)) : controlId(id), code(c), deltaHandler(h) {}

  int controlId;
  NotifyCode code;
  void (D::*handler)() = nullptr;
  void (D::*deltaHandler)(SpinDelta&) = nullptr;
};

// Calls the handler of the first entry of table matching n; returns false when none matches.
template <class D, std::size_t N>
bool DispatchMessage(D& dialog, const std::array<MessageEntry<D>, N>& table, const Notification& n) {
  for (const MessageEntry<D>& e : table) {
    if (e.controlId != n.controlId || e.code != n.code) continue;
    if (e.deltaHandler != nullptr) {
      if (n.delta == nullptr) return false;
      (dialog.*e.deltaHandler)(*n.delta);
    } else {
      (dialog.*e.handler)();
    }
    return true;
  }
  return false;
}

class Dialog : private ControlOwner {
 public:
  Dialog(DialogHost& host, const DialogTemplate& dialogTemplate);
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the controls and runs the dialog modally through its host; returns the end code.
  int DoModal();
  void EndDialog(int code);
  bool Ended() const { return ended_; }
  int EndCode() const { return endCode_; }

  // For hosts: makes the controls from the template (once), then initialises the dialog
  // (OnInitDialog) and gives the focus to the first control that takes it unless the dialog
  // placed it itself.
  void CreateControls();
  void InitDialog();
  void SetObserver(DialogObserver* observer) { observer_ = observer; }

  const DialogTemplate& Template() const { return template_; }
  const std::string& Caption() const { return caption_; }
  Rect ClientRect() const { return ClientRectOf(template_); }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // Returns the control with the id, or null.
  Control* Item(int id) const;
  const IconImage& BigIcon() const { return bigIcon_; }
  const IconImage& SmallIcon() const { return smallIcon_; }

  int FocusId() const { return focusId_; }
  void SetFocus(int controlId);
  // For hosts: the user moved the focus to the control (no echo to the observer).
  void UserFocus(int controlId) { focusId_ = controlId; }

  // The user's actions, as every backend delivers them.
  void PressButton(int controlId);
  // Alt with a letter: presses the button whose mnemonic it is, else offers the letter to the
  // dialog's own shortcuts (OnAccelerator); false when nothing took it.
  bool PressMnemonic(char letter);
  // Enter: presses the default button, or the OK button when there is no default.
  void PressEnter();
  // Escape: ends the dialog as its close command does, when the template says so.
  void PressEscape();
  // The window's close box.
  void RequestClose() { OnCancel(); }
  // Up (+1) or Down (-1) in the focused control: steps the spin whose buddy it is when that
  // spin takes arrow keys. Returns false when nothing took the key.
  bool PressArrow(int delta);
  // Moves the focus to the next (+1) or previous (-1) control that takes it.
  void PressTab(int direction);
  // A left click in the client area, at a client pixel.
  void LeftButtonDown(Point p) { OnLButtonDown(p); }

  // True for dialogs that paint their client area themselves (OnPaint).
  virtual bool PaintsClientArea() const { return false; }
  // Paints the client area through the host's surface.
  virtual void OnPaint(DrawingSurface& surface, const Rect& client) {
    (void)surface;
    (void)client;
  }

 protected:
  // Returns true to have the focus put on the first control that takes it.
  virtual bool OnInitDialog() { return true; }
  // Routes a notification to the message table; returns false when no entry matched.
  virtual bool OnNotify(const Notification& n) {
    (void)n;
    return false;
  }
  // Alt with a lower-case letter that no button has; returns true when the dialog took it.
  virtual bool OnAccelerator(char letter) {
    (void)letter;
    return false;
  }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  virtual void OnLButtonDown(Point p) { (void)p; }

  DialogHost& Host() const { return host_; }
  void SetIcon(IconImage image, bool big);
  void Invalidate();

  template <class T>
  T& ItemAs(int id) const {
    return dynamic_cast<T&>(*Item(id));
  }

 private:
  void Notify(Control& control, NotifyCode code, SpinDelta* delta) override;
  void Changed(Control& control) override;
  bool TakesFocus(const Control& c) const;

  DialogHost& host_;
  const DialogTemplate& template_;
  std::string caption_;
  std::vector<std::unique_ptr<Control>> controls_;
  DialogObserver* observer_ = nullptr;
  IconImage bigIcon_;
  IconImage smallIcon_;
  int focusId_ = 0;
  bool ended_ = false;
  int endCode_ = 0;
};

}  // namespace caelix
