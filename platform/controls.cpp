#include "platform/controls.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace caelix {

Control::Control(ControlOwner& owner, const TemplateItem& item)
    : owner_(owner), id_(item.id), kind_(item.kind), style_(item.style), bounds_(ItemRect(item)), text_(item.text) {}

void Control::MoveWindow(const Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed();
}

void Control::SetText(std::string_view text) {
  if (text == text_) return;
  StoreText(text);
  Changed();
}

void Control::StoreText(std::string_view text) { text_.assign(text); }

namespace {

// Counts UTF-8 characters: every byte that does not continue a sequence.
int CharacterCount(std::string_view text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }));
}

}  // namespace

int Control::TextLength() const { return CharacterCount(Text()); }

char Button::Mnemonic() const {
  const std::string& t = Text();
  for (std::size_t i = 0; i + 1 < t.size(); ++i) {
    if (t[i] != '&') continue;
    if (t[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(t[i + 1])));
  }
  return 0;
}

void Edit::Replace(std::string_view text) {
  undoText_ = Text();
  canUndo_ = true;
  StoreText(text);
  Changed();
  Notify(NotifyCode::Change);
}

void Edit::SetText(std::string_view text) {
  canUndo_ = false;
  undoText_.clear();
  StoreText(text);
  Changed();
  Notify(NotifyCode::Change);
}

void Edit::Undo() {
  if (!canUndo_) return;
  const std::string previous = undoText_;
  Replace(previous);
}

bool Edit::UserReplace(std::string_view proposed) {
  if (proposed == Text()) return true;
  const int length = CharacterCount(proposed);
  if (limit_ > 0 && length > limit_ && length > TextLength()) return false;
  if (HasStyle(kEditDigitsOnly) &&
      !std::all_of(proposed.begin(), proposed.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  Replace(proposed);
  return true;
}

void Spin::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
}

void Spin::SetPos(int pos) {
  pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
  if (buddy_ != nullptr && HasStyle(kSpinSetBuddyInt)) buddy_->SetText(std::to_string(pos_));
  Changed();
}

void Spin::UserStep(int delta) {
  int from = pos_;
  if (buddy_ != nullptr && HasStyle(kSpinSetBuddyInt)) {
    const std::string& t = buddy_->Text();
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value, base_);
    if (ec == std::errc() && end == t.data() + t.size() && value >= lower_ && value <= upper_) from = value;
  }
  SpinDelta request{from, delta, false};
  Notify(NotifyCode::DeltaPos, &request);
  if (request.cancel || request.delta == 0) return;
  const long long target = static_cast<long long>(from) + request.delta;
  int next = from;
  if (target > upper_) {
    if (!HasStyle(kSpinWrap)) return;
    next = lower_;
  } else if (target < lower_) {
    if (!HasStyle(kSpinWrap)) return;
    next = upper_;
  } else {
    next = static_cast<int>(target);
  }
  SetPos(next);
}

int ListControl::InsertString(int index, std::string_view text) {
  if (index < -1 || index > Count()) return -1;
  const int at = index == -1 ? Count() : index;
  items_.insert(items_.begin() + at, std::string(text));
  if (selection_ >= at) ++selection_;
  Changed();
  return at;
}

void ListControl::ResetContent() {
  items_.clear();
  selection_ = -1;
  Changed();
}

int ListControl::SetCurSel(int index) {
  selection_ = (index >= 0 && index < Count()) ? index : -1;
  Changed();
  return selection_;
}

void ListControl::UserSelect(int index) {
  const int before = selection_;
  SetCurSel(index);
  if (selection_ != before) Notify(NotifyCode::SelChange);
}

}  // namespace caelix
