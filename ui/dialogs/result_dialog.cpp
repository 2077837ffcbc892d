#include "ui/dialogs/result_dialog.h"

namespace caelix {

namespace {

constexpr TemplateItem kItems[] = {
    {3, ControlKind::Button, "&Res", 7, 112, 21, 14, kStyleNone},
    {4, ControlKind::Button, "&Ele", 31, 112, 21, 14, kStyleNone},
    {2, ControlKind::Button, "&Qua", 55, 112, 21, 14, kStyleNone},
    {5, ControlKind::Button, "&Asp", 80, 112, 21, 14, kStyleNone},
    {1, ControlKind::Button, "&Back", 104, 112, 21, 14, kButtonDefault},
    {1039, ControlKind::Edit, "", 7, 7, 118, 100,
     kEditMultiline | kVScrollBar | kEditAutoHScroll | kEditAutoVScroll | kEditBorder},
};

constexpr DialogTemplate kTemplate{131, "Result:", "8 System", 132, 134, true, kItems};

}  // namespace

const std::array<MessageEntry<ResultDialog>, 4> ResultDialog::kMessages = {{
    {kPositionsButton, NotifyCode::Clicked, &ResultDialog::OnPositions},
    {kElementsButton, NotifyCode::Clicked, &ResultDialog::OnElements},
    {kQuadruplicityButton, NotifyCode::Clicked, &ResultDialog::OnQuadruplicity},
    {kAspectsButton, NotifyCode::Clicked, &ResultDialog::OnAspects},
}};

ResultDialog::ResultDialog(DialogHost& host, const ChartInput& input, const ChartResult* chart)
    : Dialog(host, kTemplate), input_(input), chart_(chart) {}

const DialogTemplate& ResultDialog::ResultTemplate() { return kTemplate; }

bool ResultDialog::OnNotify(const Notification& n) { return DispatchMessage(*this, kMessages, n); }

bool ResultDialog::OnInitDialog() {
  const Rect c = ClientRect();
  const int w = c.right - c.left;
  const int h = c.bottom - c.top;
  Item(kPageEdit)->MoveWindow(RectAt(c.left + 12, c.top + 12, w - 24, h - 52));
  const int buttonY = h - 34;
  Item(kPositionsButton)->MoveWindow(RectAt(c.left + 12, buttonY, 36, 24));
  Item(kElementsButton)->MoveWindow(RectAt(c.left + 50, buttonY, 36, 24));
  Item(kQuadruplicityButton)->MoveWindow(RectAt(c.left + 88, buttonY, 36, 24));
  Item(kAspectsButton)->MoveWindow(RectAt(c.left + 126, buttonY, 36, 24));
  Item(kBackButton)->MoveWindow(RectAt(w - 48, buttonY, 36, 24));

  // Every page but the aspects is built now; the aspects at their first showing.
  ShowPage(Page::Positions);
  PageText(Page::Quadruplicity);
  PageText(Page::Elements);
  return true;
}

const std::string& ResultDialog::PageText(Page page) {
  std::string& text = pages_[static_cast<std::size_t>(page)];
  if (text.empty()) text = BuildPage(page, input_, *chart_);
  return text;
}

void ResultDialog::ShowPage(Page page) { Item(kPageEdit)->SetText(PageText(page)); }

void ResultDialog::OnPositions() { ShowPage(Page::Positions); }
void ResultDialog::OnElements() { ShowPage(Page::Elements); }
void ResultDialog::OnQuadruplicity() { ShowPage(Page::Quadruplicity); }
void ResultDialog::OnAspects() { ShowPage(Page::Aspects); }

}  // namespace caelix
