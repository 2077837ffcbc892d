#pragma once
// The dialog controls: static, edit, spin (up-down), combo box, list box and button. A control
// holds its state; the user's actions arrive through its User* operations (a backend calls them,
// and so do tests), and every change is reported to its owner: a notification for the dialog's
// message table and a redraw request for the backend.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/geometry.h"

namespace caelix {

class Control;

enum class NotifyCode {
  Change,     // an edit's text changed
  DeltaPos,   // a spin is about to move; the handler may change or cancel the move
  SelChange,  // the user changed the selection of a list box or combo box
  Clicked,    // a button was pressed
};

// The request of a spin about to move: from pos by delta. A handler that sets cancel (or
// delta 0) keeps the spin where it is.
struct SpinDelta {
  int pos = 0;
  int delta = 0;
  bool cancel = false;
};

// What a control reports to: its dialog.
class ControlOwner {
 public:
  // A notification for the message table.
  virtual void Notify(Control& control, NotifyCode code, SpinDelta* delta) = 0;
  // The control's text, items, selection, position or rectangle changed.
  virtual void Changed(Control& control) = 0;

 protected:
  ~ControlOwner() = default;
};

class Control {
 public:
  Control(ControlOwner& owner, const TemplateItem& item);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int Id() const { return id_; }
  ControlKind Kind() const { return kind_; }
  unsigned Style() const { return style_; }
  bool HasStyle(unsigned bits) const { return (style_ & bits) == bits; }
  const Rect& Bounds() const { return bounds_; }
  void MoveWindow(const Rect& bounds);

  const std::string& Text() const { return text_; }
  virtual void SetText(std::string_view text);
  // Returns the number of characters (not bytes) of the text.
  int TextLength() const;

 protected:
  void Notify(NotifyCode code, SpinDelta* delta = nullptr) { owner_.Notify(*this, code, delta); }
  void Changed() { owner_.Changed(*this); }
  void StoreText(std::string_view text);

 private:
  ControlOwner& owner_;
  int id_;
  ControlKind kind_;
  unsigned style_;
  Rect bounds_;
  std::string text_;
};

class Static : public Control {
 public:
  using Control::Control;
};

class Button : public Control {
 public:
  using Control::Control;
  bool IsDefault() const { return HasStyle(kButtonDefault); }
  // Returns the lower-case mnemonic letter (the character after a single "&"), or 0.
  char Mnemonic() const;
};

// An edit with a text limit, the digits-only style and a one-step undo. Every change of the text
// notifies Change; a typed change keeps the text before it for Undo, a text set by the program
// leaves nothing to undo.
class Edit : public Control {
 public:
  using Control::Control;

  void SetText(std::string_view text) override;
  // Limits what can be typed to count characters (0: no limit). Texts set are not cut.
  void SetLimitText(int count) { limit_ = count; }
  int LimitText() const { return limit_; }
  // Restores the text before the last change; the text undone becomes the one Undo restores.
  void Undo();
  bool CanUndo() const { return canUndo_; }

  // The user typed or pasted, leaving proposed as the whole text. Returns false and changes
  // nothing when proposed breaks the text limit (growing past it) or the digits-only style.
  bool UserReplace(std::string_view proposed);

 private:
  void Replace(std::string_view text);

  int limit_ = 0;
  std::string undoText_;
  bool canUndo_ = false;
};

// An up-down control beside a buddy edit.
class Spin : public Control {
 public:
  using Control::Control;

  void SetBuddy(Edit* buddy) { buddy_ = buddy; }
  Edit* Buddy() const { return buddy_; }
  void SetBase(int base) { base_ = base; }
  void SetRange(int lower, int upper);
  int Lower() const { return lower_; }
  int Upper() const { return upper_; }
  // Moves to pos, kept within the range; with the set-buddy-as-integer style writes the buddy.
  void SetPos(int pos);
  int Pos() const { return pos_; }

  // The user pressed an arrow (delta +1 up, -1 down). The move starts from the buddy's value
  // when it reads as an integer within the range, else from the current position; DeltaPos is
  // notified first, then the spin moves unless the handler cancelled. Past an end it wraps with
  // the wrap style and stays otherwise.
  void UserStep(int delta);

 private:
  Edit* buddy_ = nullptr;
  int base_ = 10;
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
};

// The items and selection shared by the combo box and the list box.
class ListControl : public Control {
 public:
  using Control::Control;

  // Inserts text at index (-1: at the end). Returns its index, or -1 when index lies beyond
  // the end.
  int InsertString(int index, std::string_view text);
  int AddString(std::string_view text) { return InsertString(-1, text); }
  void ResetContent();
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& ItemText(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  // Selects index; an index outside the items clears the selection and returns -1.
  int SetCurSel(int index);
  // Returns the selected index, or -1 when nothing is selected.
  int CurSel() const { return selection_; }
  // The user selected index: as SetCurSel, then SelChange when the selection changed.
  void UserSelect(int index);

 private:
  std::vector<std::string> items_;
  int selection_ = -1;
};

class ComboBox : public ListControl {
 public:
  using ListControl::ListControl;
};

class ListBox : public ListControl {
 public:
  using ListControl::ListControl;
};

}  // namespace caelix
