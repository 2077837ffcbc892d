#include "support/headless_host.h"

#include <string>

namespace caelix {

int HeadlessHost::RunModal(Dialog& dialog) {
  ++modalCount_;
  dialog.InitDialog();
  if (script_ && !dialog.Ended()) script_(dialog);
  if (!dialog.Ended()) dialog.EndDialog(kIdCancel);
  return dialog.EndCode();
}

void HeadlessHost::Open(Dialog& dialog) {
  dialog.CreateControls();
  dialog.InitDialog();
}

namespace headless {

namespace {

Edit& EditOf(Dialog& dialog, int id) { return dynamic_cast<Edit&>(*dialog.Item(id)); }

}  // namespace

void Type(Dialog& dialog, int editId, std::string_view text) {
  Edit& edit = EditOf(dialog, editId);
  dialog.UserFocus(editId);
  for (char c : text) edit.UserReplace(edit.Text() + c);
}

void Replace(Dialog& dialog, int editId, std::string_view text) {
  dialog.UserFocus(editId);
  EditOf(dialog, editId).UserReplace(text);
}

void Backspace(Dialog& dialog, int editId) {
  Edit& edit = EditOf(dialog, editId);
  dialog.UserFocus(editId);
  if (edit.Text().empty()) return;
  std::string t = edit.Text();
  t.pop_back();
  edit.UserReplace(t);
}

void Click(Dialog& dialog, int buttonId) { dialog.PressButton(buttonId); }

void ClickSpin(Dialog& dialog, int spinId, int delta) { dynamic_cast<Spin&>(*dialog.Item(spinId)).UserStep(delta); }

void Select(Dialog& dialog, int listId, int index) {
  dialog.UserFocus(listId);
  dynamic_cast<ListControl&>(*dialog.Item(listId)).UserSelect(index);
}

void Focus(Dialog& dialog, int controlId) { dialog.UserFocus(controlId); }

void Press(Dialog& dialog, Key key) {
  switch (key) {
    case Key::Enter:
      dialog.PressEnter();
      break;
    case Key::Escape:
      dialog.PressEscape();
      break;
    case Key::Up:
      dialog.PressArrow(+1);
      break;
    case Key::Down:
      dialog.PressArrow(-1);
      break;
    case Key::Tab:
      dialog.PressTab(+1);
      break;
    case Key::ShiftTab:
      dialog.PressTab(-1);
      break;
  }
}

void PressAlt(Dialog& dialog, char letter) { dialog.PressMnemonic(letter); }

}  // namespace headless

}  // namespace caelix
