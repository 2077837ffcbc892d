#include "platform/fltk/fltk_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Repeat_Button.H>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace caelix::fltk {

int Scaler::Length(int v) const { return static_cast<int>(std::lround(v * scale)); }

void Scaler::Map(const Rect& r, int& x, int& y, int& w, int& h) const {
  x = Length(r.left);
  y = Length(r.top);
  w = std::max(1, Length(r.right) - x);
  h = std::max(1, Length(r.bottom) - y);
}

int Scaler::FontSize() const { return std::max(8, static_cast<int>(std::lround(10.5 * scale))); }

namespace {

// Keys the dialog handles itself: Alt with a key (mnemonics), Enter and Escape.
bool IsDialogKey() {
  const int k = Fl::event_key();
  return (Fl::event_state() & FL_ALT) != 0 || k == FL_Enter || k == FL_KP_Enter || k == FL_Escape;
}

template <class W>
class View : public ControlView {
 public:
  View(Control& control, const Scaler& scaler) : control_(control), scaler_(scaler) {}
  Fl_Widget& Widget() override { return *widget_; }

 protected:
  void Place() {
    int x, y, w, h;
    scaler_.Map(control_.Bounds(), x, y, w, h);
    if (x != widget_->x() || y != widget_->y() || w != widget_->w() || h != widget_->h()) {
      widget_->resize(x, y, w, h);
      if (widget_->window() != nullptr) widget_->window()->redraw();
    }
  }
  Control& control_;
  Scaler scaler_;
  W* widget_ = nullptr;  // owned by its FLTK group
};

class StaticView : public View<Fl_Box> {
 public:
  StaticView(Control& c, const Scaler& s) : View(c, s) {
    widget_ = new Fl_Box(0, 0, 1, 1);
    widget_->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    widget_->labelsize(s.FontSize());
  }
  void Sync() override {
    Place();
    if (widget_->label() == nullptr || control_.Text() != widget_->label())
      widget_->copy_label(control_.Text().c_str());
  }
};

class ButtonWidget : public Fl_Button {
 public:
  ButtonWidget(Dialog& dialog, int id) : Fl_Button(0, 0, 1, 1), dialog_(dialog), id_(id) {
    callback(
        [](Fl_Widget*, void* self) {
          auto* b = static_cast<ButtonWidget*>(self);
          b->dialog_.PressButton(b->id_);
        },
        this);
  }
  int handle(int event) override {
    if (event == FL_SHORTCUT) return 0;
    if (event == FL_FOCUS) dialog_.UserFocus(id_);
    return Fl_Button::handle(event);
  }

 private:
  Dialog& dialog_;
  int id_;
};

class ButtonView : public View<ButtonWidget> {
 public:
  ButtonView(Dialog& d, Control& c, const Scaler& s) : View(c, s) {
    widget_ = new ButtonWidget(d, c.Id());
    widget_->labelsize(s.FontSize());
    if (static_cast<Button&>(c).IsDefault()) widget_->labelfont(FL_HELVETICA_BOLD);
  }
  void Sync() override {
    Place();
    if (widget_->label() == nullptr || control_.Text() != widget_->label())
      widget_->copy_label(control_.Text().c_str());
  }
};

class EditWidget : public Fl_Input {
 public:
  EditWidget(Dialog& dialog, Edit& edit) : Fl_Input(0, 0, 1, 1), dialog_(dialog), edit_(edit) {
    when(FL_WHEN_CHANGED);
    callback([](Fl_Widget*, void* self) { static_cast<EditWidget*>(self)->UserChanged(); }, this);
  }
  int handle(int event) override {
    if (event == FL_KEYBOARD) {
      if (IsDialogKey()) return 0;
      const int k = Fl::event_key();
      if ((k == FL_Up || k == FL_Down) && dialog_.PressArrow(k == FL_Up ? 1 : -1)) return 1;
    }
    if (event == FL_FOCUS) dialog_.UserFocus(edit_.Id());
    before_ = position();
    return Fl_Input::handle(event);
  }
  void Sync() {
    if (edit_.Text() == value()) return;
    syncing_ = true;
    value(edit_.Text().c_str());
    position(std::min(before_, size()));
    syncing_ = false;
  }

 private:
  void UserChanged() {
    if (syncing_) return;
    if (!edit_.UserReplace(value())) Sync();
  }
  Dialog& dialog_;
  Edit& edit_;
  int before_ = 0;
  bool syncing_ = false;
};

class EditView : public View<EditWidget> {
 public:
  EditView(Dialog& d, Control& c, const Scaler& s) : View(c, s) {
    widget_ = new EditWidget(d, static_cast<Edit&>(c));
    widget_->textsize(s.FontSize());
  }
  void Sync() override {
    Place();
    widget_->Sync();
  }
  void Focus() override {
    widget_->take_focus();
    widget_->position(widget_->size(), 0);
  }
};

// The editor's buffer, made before the editor and destroyed after it.
struct PageBuffer {
  Fl_Text_Buffer text;
};

// The multi-line edit: the control's lines end in "\r\n", the editor's in "\n".
class PageWidget : private PageBuffer, public Fl_Text_Editor {
 public:
  PageWidget(Dialog& dialog, Edit& edit) : Fl_Text_Editor(0, 0, 1, 1), dialog_(dialog), edit_(edit) {
    buffer(&text);
    text.add_modify_callback(Modified, this);
  }
  ~PageWidget() override { text.remove_modify_callback(Modified, this); }
  int handle(int event) override {
    if (event == FL_KEYBOARD && IsDialogKey()) return 0;
    if (event == FL_FOCUS) dialog_.UserFocus(edit_.Id());
    return Fl_Text_Editor::handle(event);
  }
  void Sync() {
    std::string shown;
    shown.reserve(edit_.Text().size());
    for (char c : edit_.Text()) {
      if (c != '\r') shown.push_back(c);
    }
    char* current = text.text();
    const bool same = shown == current;
    std::free(current);
    if (same) return;
    syncing_ = true;
    text.text(shown.c_str());
    syncing_ = false;
  }

 private:
  static void Modified(int, int, int, int, const char*, void* self) { static_cast<PageWidget*>(self)->UserChanged(); }
  void UserChanged() {
    if (syncing_) return;
    char* current = text.text();
    std::string typed;
    for (const char* p = current; *p != '\0'; ++p) {
      if (*p == '\n') typed.push_back('\r');
      typed.push_back(*p);
    }
    std::free(current);
    edit_.UserReplace(typed);
  }
  Dialog& dialog_;
  Edit& edit_;
  bool syncing_ = false;
};

class PageView : public View<PageWidget> {
 public:
  PageView(Dialog& d, Control& c, const Scaler& s) : View(c, s) {
    widget_ = new PageWidget(d, static_cast<Edit&>(c));
    widget_->textsize(s.FontSize());
    widget_->scrollbar_width(s.Length(10));
  }
  void Sync() override {
    Place();
    widget_->Sync();
  }
};

class SpinView : public View<Fl_Group> {
 public:
  SpinView(Control& c, const Scaler& s) : View(c, s) {
    widget_ = new Fl_Group(0, 0, 2, 2);
    up_ = new Fl_Repeat_Button(0, 0, 2, 1, "@-28>");
    down_ = new Fl_Repeat_Button(0, 1, 2, 1, "@-22>");
    for (Fl_Button* b : {up_, down_}) {
      b->visible_focus(0);
      b->labelsize(s.FontSize() * 2 / 3);
    }
    up_->callback([](Fl_Widget*, void* spin) { static_cast<Spin*>(spin)->UserStep(+1); }, &c);
    down_->callback([](Fl_Widget*, void* spin) { static_cast<Spin*>(spin)->UserStep(-1); }, &c);
    widget_->end();
  }
  void Sync() override {
    Place();
    const int half = widget_->h() / 2;
    up_->resize(widget_->x(), widget_->y(), widget_->w(), half);
    down_->resize(widget_->x(), widget_->y() + half, widget_->w(), widget_->h() - half);
  }

 private:
  Fl_Repeat_Button* up_;
  Fl_Repeat_Button* down_;
};

// A menu label showing text as it is: '/', '\\' and '&' escaped.
std::string MenuLabel(const std::string& text) {
  std::string label;
  for (char c : text) {
    if (c == '/' || c == '\\') label.push_back('\\');
    if (c == '&') label.push_back('&');
    label.push_back(c);
  }
  return label;
}

class ChoiceWidget : public Fl_Choice {
 public:
  ChoiceWidget(Dialog& dialog, ComboBox& combo) : Fl_Choice(0, 0, 1, 1), dialog_(dialog), combo_(combo) {
    callback(
        [](Fl_Widget*, void* self) {
          auto* w = static_cast<ChoiceWidget*>(self);
          if (!w->syncing_) w->combo_.UserSelect(w->value());
        },
        this);
  }
  int handle(int event) override {
    if (event == FL_FOCUS) dialog_.UserFocus(combo_.Id());
    if (event == FL_KEYBOARD && IsDialogKey()) return 0;
    return Fl_Choice::handle(event);
  }
  void Sync() {
    syncing_ = true;
    clear();
    for (const std::string& item : combo_.Items()) add(MenuLabel(item).c_str(), 0, nullptr, nullptr, 0);
    if (combo_.CurSel() >= 0) {
      value(combo_.CurSel());
    } else {
      value(static_cast<const Fl_Menu_Item*>(nullptr));
    }
    syncing_ = false;
    redraw();
  }

 private:
  Dialog& dialog_;
  ComboBox& combo_;
  bool syncing_ = false;
};

class ComboView : public View<ChoiceWidget> {
 public:
  ComboView(Dialog& d, Control& c, const Scaler& s) : View(c, s) {
    widget_ = new ChoiceWidget(d, static_cast<ComboBox&>(c));
    widget_->textsize(s.FontSize());
    widget_->labelsize(s.FontSize());
  }
  void Sync() override {
    // The template's height includes the dropped list; closed, the box is an edit's height.
    Rect closed = control_.Bounds();
    closed.bottom = closed.top + std::min(closed.Height(), DialogUnitsToPixels(14));
    int x, y, w, h;
    scaler_.Map(closed, x, y, w, h);
    widget_->resize(x, y, w, h);
    widget_->Sync();
  }
};

class ListWidget : public Fl_Hold_Browser {
 public:
  ListWidget(Dialog& dialog, ListBox& list) : Fl_Hold_Browser(0, 0, 1, 1), dialog_(dialog), list_(list) {
    format_char(0);
    when(FL_WHEN_CHANGED);
    has_scrollbar(Fl_Browser_::VERTICAL);
    callback(
        [](Fl_Widget*, void* self) {
          auto* w = static_cast<ListWidget*>(self);
          if (!w->syncing_) w->list_.UserSelect(w->value() - 1);
        },
        this);
  }
  int handle(int event) override {
    if (event == FL_FOCUS) dialog_.UserFocus(list_.Id());
    if (event == FL_KEYBOARD && IsDialogKey()) return 0;
    return Fl_Hold_Browser::handle(event);
  }
  void Sync() {
    syncing_ = true;
    bool same = size() == list_.Count();
    for (int i = 0; same && i < list_.Count(); ++i) same = list_.ItemText(i) == text(i + 1);
    if (!same) {
      clear();
      for (const std::string& item : list_.Items()) add(item.c_str());
    }
    if (list_.CurSel() >= 0) {
      select(list_.CurSel() + 1);
    } else {
      deselect();
    }
    syncing_ = false;
  }

 private:
  Dialog& dialog_;
  ListBox& list_;
  bool syncing_ = false;
};

class ListView : public View<ListWidget> {
 public:
  ListView(Dialog& d, Control& c, const Scaler& s) : View(c, s) {
    widget_ = new ListWidget(d, static_cast<ListBox&>(c));
    widget_->textsize(s.FontSize() * 5 / 6);
    widget_->scrollbar_width(s.Length(10));
  }
  void Sync() override {
    Place();
    widget_->Sync();
  }
};

}  // namespace

std::unique_ptr<ControlView> MakeView(Dialog& dialog, Control& control, const Scaler& scaler) {
  switch (control.Kind()) {
    case ControlKind::Static:
      return std::make_unique<StaticView>(control, scaler);
    case ControlKind::Button:
      return std::make_unique<ButtonView>(dialog, control, scaler);
    case ControlKind::Edit:
      if (control.HasStyle(kEditMultiline)) return std::make_unique<PageView>(dialog, control, scaler);
      return std::make_unique<EditView>(dialog, control, scaler);
    case ControlKind::Spin:
      return std::make_unique<SpinView>(control, scaler);
    case ControlKind::ComboBox:
      return std::make_unique<ComboView>(dialog, control, scaler);
    case ControlKind::ListBox:
      return std::make_unique<ListView>(dialog, control, scaler);
  }
  return std::make_unique<StaticView>(control, scaler);
}

}  // namespace caelix::fltk
