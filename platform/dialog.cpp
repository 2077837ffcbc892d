#include "platform/dialog.h"

#include <algorithm>
#include <cctype>

namespace caelix {

namespace {

std::unique_ptr<Control> MakeControl(ControlOwner& owner, const TemplateItem& item) {
  switch (item.kind) {
    case ControlKind::Static:
      return std::make_unique<Static>(owner, item);
    case ControlKind::Edit:
      return std::make_unique<Edit>(owner, item);
    case ControlKind::Spin:
      return std::make_unique<Spin>(owner, item);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBox>(owner, item);
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(owner, item);
    case ControlKind::Button:
      return std::make_unique<Button>(owner, item);
  }
  return std::make_unique<Static>(owner, item);
}

}  // namespace

Dialog::Dialog(DialogHost& host, const DialogTemplate& dialogTemplate)
    : host_(host), template_(dialogTemplate), caption_(dialogTemplate.caption) {}

int Dialog::DoModal() {
  ended_ = false;
  endCode_ = 0;
  CreateControls();
  return host_.RunModal(*this);
}

void Dialog::EndDialog(int code) {
  ended_ = true;
  endCode_ = code;
}

void Dialog::CreateControls() {
  if (!controls_.empty()) return;
  for (const TemplateItem& item : template_.items) controls_.push_back(MakeControl(*this, item));
}

void Dialog::InitDialog() {
  if (!OnInitDialog()) return;
  const auto first = std::find_if(controls_.begin(), controls_.end(), [this](const auto& c) { return TakesFocus(*c); });
  if (first != controls_.end()) SetFocus((*first)->Id());
}

Control* Dialog::Item(int id) const {
  for (const auto& c : controls_) {
    if (c->Id() == id) return c.get();
  }
  return nullptr;
}

bool Dialog::TakesFocus(const Control& c) const {
  return c.Kind() != ControlKind::Static && c.Kind() != ControlKind::Spin;
}

void Dialog::SetFocus(int controlId) {
  if (Item(controlId) == nullptr) return;
  focusId_ = controlId;
  if (observer_ != nullptr) observer_->FocusChanged(controlId);
}

void Dialog::PressButton(int controlId) {
  if (ended_) return;
  Notification n{controlId, NotifyCode::Clicked, nullptr};
  if (OnNotify(n)) return;
  if (controlId == kIdOk) OnOK();
  if (controlId == kIdCancel) OnCancel();
}

bool Dialog::PressMnemonic(char letter) {
  const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  for (const auto& c : controls_) {
    if (c->Kind() != ControlKind::Button) continue;
    if (static_cast<const Button&>(*c).Mnemonic() != wanted) continue;
    PressButton(c->Id());
    return true;
  }
  return OnAccelerator(wanted);
}

void Dialog::PressEnter() {
  for (const auto& c : controls_) {
    if (c->Kind() == ControlKind::Button && static_cast<const Button&>(*c).IsDefault()) {
      PressButton(c->Id());
      return;
    }
  }
  if (Item(kIdOk) != nullptr) PressButton(kIdOk);
}

void Dialog::PressEscape() {
  if (template_.escapeCloses) OnCancel();
}

bool Dialog::PressArrow(int delta) {
  for (const auto& c : controls_) {
    if (c->Kind() != ControlKind::Spin || !c->HasStyle(kSpinArrowKeys)) continue;
    auto& spin = static_cast<Spin&>(*c);
    if (spin.Buddy() == nullptr || spin.Buddy()->Id() != focusId_) continue;
    spin.UserStep(delta);
    return true;
  }
  return false;
}

void Dialog::PressTab(int direction) {
  std::vector<int> order;
  for (const auto& c : controls_) {
    if (TakesFocus(*c)) order.push_back(c->Id());
  }
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), focusId_);
  const int n = static_cast<int>(order.size());
  const int index = at == order.end() ? 0 : static_cast<int>(at - order.begin());
  SetFocus(order[static_cast<std::size_t>(((index + (direction >= 0 ? 1 : -1)) % n + n) % n)]);
}

void Dialog::SetIcon(IconImage image, bool big) {
  (big ? bigIcon_ : smallIcon_) = std::move(image);
  if (observer_ != nullptr) observer_->IconChanged();
}

void Dialog::Invalidate() {
  if (observer_ != nullptr) observer_->Invalidated();
}

void Dialog::Notify(Control& control, NotifyCode code, SpinDelta* delta) {
  OnNotify(Notification{control.Id(), code, delta});
}

void Dialog::Changed(Control& control) {
  if (observer_ != nullptr) observer_->ControlChanged(control);
}

}  // namespace caelix
