#pragma once
// The headless backend: dialogs without a screen, driven by code. A top-level dialog is opened
// with Open and then driven directly; a dialog run modally from a handler runs the script given
// to OnModal (which may inspect and drive it) and is closed with Cancel if the script leaves it
// open.
#include <functional>
#include <string_view>

#include "platform/dialog.h"

namespace caelix {

class HeadlessHost : public DialogHost {
 public:
  using Script = std::function<void(Dialog&)>;

  int RunModal(Dialog& dialog) override;
  // Makes the dialog's controls and initialises it, as a modal run does before its loop.
  void Open(Dialog& dialog);
  void OnModal(Script script) { script_ = std::move(script); }
  // The number of modal runs so far.
  int ModalCount() const { return modalCount_; }

 private:
  Script script_;
  int modalCount_ = 0;
};

// The user's input, as a keyboard and a pointer give it.
namespace headless {

// Moves the focus to an edit and types text character by character at the end of its text.
void Type(Dialog& dialog, int editId, std::string_view text);
// Moves the focus to an edit, selects its whole text and replaces it by text in one change
// (as pasting over a selection does); "" deletes it.
void Replace(Dialog& dialog, int editId, std::string_view text);
// Backspace at the end of the edit's text.
void Backspace(Dialog& dialog, int editId);
void Click(Dialog& dialog, int buttonId);
// Clicks the up (+1) or down (-1) arrow of a spin.
void ClickSpin(Dialog& dialog, int spinId, int delta);
void Select(Dialog& dialog, int listId, int index);
void Focus(Dialog& dialog, int controlId);

enum class Key { Enter, Escape, Up, Down, Tab, ShiftTab };
void Press(Dialog& dialog, Key key);
// Alt with a letter.
void PressAlt(Dialog& dialog, char letter);

}  // namespace headless

}  // namespace caelix
