#include "platform/fltk/fltk_host.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <X11/Xlib.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fltk/fltk_surface.h"
#include "platform/fltk/fltk_widgets.h"

namespace caelix {

namespace {

using fltk::ControlView;
using fltk::Scaler;

// The client area of a dialog that paints it itself; clicks in it go to the dialog.
class PaintArea : public Fl_Widget {
 public:
  PaintArea(Dialog& dialog, const Scaler& scaler, int w, int h)
      : Fl_Widget(0, 0, w, h), dialog_(dialog), scaler_(scaler) {}
  void draw() override {
    fl_push_clip(x(), y(), w(), h());
    fl_color(FL_WHITE);
    fl_rectf(x(), y(), w(), h());
    fl_color(FL_BLACK);
    FltkSurface surface(scaler_.scale, x(), y());
    dialog_.OnPaint(surface, dialog_.ClientRect());
    fl_pop_clip();
  }
  int handle(int event) override {
    if (event != FL_PUSH || Fl::event_button() != FL_LEFT_MOUSE) return Fl_Widget::handle(event);
    dialog_.LeftButtonDown(
        Point{static_cast<int>(Fl::event_x() / scaler_.scale), static_cast<int>(Fl::event_y() / scaler_.scale)});
    return 1;
  }

 private:
  Dialog& dialog_;
  Scaler scaler_;
};

// FLTK wants RGBA bytes; the icon holds 0xAARRGGBB words.
std::unique_ptr<Fl_RGB_Image> ToImage(const IconImage& icon, std::vector<unsigned char>& bytes) {
  bytes.clear();
  for (std::uint32_t p : icon.argb) {
    bytes.push_back(static_cast<unsigned char>(p >> 16));
    bytes.push_back(static_cast<unsigned char>(p >> 8));
    bytes.push_back(static_cast<unsigned char>(p));
    bytes.push_back(static_cast<unsigned char>(p >> 24));
  }
  return std::make_unique<Fl_RGB_Image>(bytes.data(), icon.width, icon.height, 4);
}

class DialogWindow : public Fl_Double_Window, private DialogObserver {
 public:
  DialogWindow(Dialog& dialog, double scale) : Fl_Double_Window(1, 1), dialog_(dialog), scaler_{scale} {
    int x, y, w, h;
    scaler_.Map(dialog.ClientRect(), x, y, w, h);
    size(w, h);
    copy_label(dialog.Caption().c_str());
    xclass(kWindowClass);
    callback([](Fl_Widget*, void* d) { static_cast<Dialog*>(d)->RequestClose(); }, &dialog);
    begin();
    if (dialog.PaintsClientArea()) paintArea_ = new PaintArea(dialog, scaler_, w, h);
    for (const auto& control : dialog.Controls()) views_[control->Id()] = fltk::MakeView(dialog, *control, scaler_);
    end();
    for (auto& [id, view] : views_) view->Sync();
    dialog.SetObserver(this);
  }
  ~DialogWindow() override { dialog_.SetObserver(nullptr); }

  int handle(int event) override {
    if (event == FL_SHORTCUT) {
      const int k = Fl::event_key();
      if (k == FL_Escape) {
        dialog_.PressEscape();
        return 1;
      }
      if (k == FL_Enter || k == FL_KP_Enter) {
        dialog_.PressEnter();
        return 1;
      }
      if ((Fl::event_state() & FL_ALT) != 0 && k > 0 && k < 128 && dialog_.PressMnemonic(static_cast<char>(k)))
        return 1;
      if ((Fl::event_state() & FL_CTRL) != 0 && k == 'c' && CopyStaticTexts()) return 1;
    }
    return Fl_Double_Window::handle(event);
  }

  // In a window that paints its client area nothing can be selected: Ctrl+C copies the texts
  // of its static controls (the chart window's status line), one per line.
  bool CopyStaticTexts() const {
    if (!dialog_.PaintsClientArea()) return false;
    std::string text;
    for (const auto& control : dialog_.Controls()) {
      if (control->Kind() != ControlKind::Static) continue;
      if (!text.empty()) text += '\n';
      text += control->Text();
    }
    Fl::copy(text.c_str(), static_cast<int>(text.size()), 1);
    return true;
  }

  void ShowCentred() {
    position((Fl::w() - w()) / 2, (Fl::h() - h()) / 2);
    show();
    FocusChanged(dialog_.FocusId());
  }

 private:
  void ControlChanged(Control& control) override {
    const auto it = views_.find(control.Id());
    if (it != views_.end()) it->second->Sync();
  }
  void FocusChanged(int controlId) override {
    const auto it = views_.find(controlId);
    if (it != views_.end()) it->second->Focus();
  }
  void IconChanged() override {
    const Fl_RGB_Image* images[2];
    int count = 0;
    if (dialog_.BigIcon().width > 0) {
      bigIcon_ = ToImage(dialog_.BigIcon(), bigBytes_);
      images[count++] = bigIcon_.get();
    }
    if (dialog_.SmallIcon().width > 0) {
      smallIcon_ = ToImage(dialog_.SmallIcon(), smallBytes_);
      images[count++] = smallIcon_.get();
    }
    if (count > 0) icons(images, count);
  }
  void Invalidated() override {
    if (paintArea_ != nullptr) paintArea_->redraw();
  }

  Dialog& dialog_;
  Scaler scaler_;
  PaintArea* paintArea_ = nullptr;
  std::map<int, std::unique_ptr<ControlView>> views_;
  std::vector<unsigned char> bigBytes_, smallBytes_;
  std::unique_ptr<Fl_RGB_Image> bigIcon_, smallIcon_;
};

}  // namespace

FltkHost::FltkHost(double scale) : scale_(scale) {}

bool FltkHost::DisplayAvailable() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

int FltkHost::RunModal(Dialog& dialog) {
  Fl::visible_focus(1);
  DialogWindow window(dialog, scale_);
  dialog.InitDialog();
  if (dialog.Ended()) return dialog.EndCode();
  window.set_modal();
  window.ShowCentred();
  while (!dialog.Ended() && window.shown()) Fl::wait();
  window.hide();
  Fl::flush();
  return dialog.Ended() ? dialog.EndCode() : kIdCancel;
}

}  // namespace caelix
