#include "ui/dialogs/chart_dialog.h"

#include "ui/wheel/header_text.h"

namespace caelix {

namespace {

constexpr TemplateItem kItems[] = {
    {1006, ControlKind::Static, "IDC_STATIC_STATUS", 6, 114, 120, 11, kStyleNone},
};

constexpr DialogTemplate kTemplate{135, "Horoskop:", "8 System", 133, 133, true, kItems};

}  // namespace

ChartDialog::ChartDialog(DialogHost& host, const ChartInput& input, const ChartResult* chart)
    : Dialog(host, kTemplate), input_(input), chart_(chart) {}

const DialogTemplate& ChartDialog::ChartTemplate() { return kTemplate; }

bool ChartDialog::OnInitDialog() {
  const Rect c = ClientRect();
  Control& status = *Item(kStatusStatic);
  status.MoveWindow(RectAt(c.left + 2, c.Height() - 16, c.Width() - 4, 14));
  status.SetText("Click on symbol.");
  headerText_ = BuildHeaderText(input_);
  return true;
}

void ChartDialog::OnPaint(DrawingSurface& surface, const Rect& client) {
  wheel_.DrawWheel(surface, client, *chart_, headerText_);
}

void ChartDialog::OnLButtonDown(Point p) { Item(kStatusStatic)->SetText(wheel_.IdentifySymbols(p.x, p.y)); }

}  // namespace caelix
