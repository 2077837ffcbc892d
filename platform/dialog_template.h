#pragma once
// Dialog templates: the controls of a dialog with their ids, texts, kinds, styles and
// rectangles in dialog units, as a resource describes them.
#include <span>
#include <string_view>

#include "platform/geometry.h"

namespace caelix {

enum class ControlKind { Static, Edit, Spin, ComboBox, ListBox, Button };

// Style bits of a template item; each applies to the kinds named.
enum ControlStyle : unsigned {
  kStyleNone = 0,
  kEditDigitsOnly = 1u << 0,      // edit: only the digits 0-9 can be typed
  kEditMultiline = 1u << 1,       // edit: several lines
  kEditAutoHScroll = 1u << 2,     // edit: scrolls horizontally while typing
  kEditAutoVScroll = 1u << 3,     // edit: scrolls vertically while typing
  kEditBorder = 1u << 4,          // edit: framed
  kVScrollBar = 1u << 5,          // edit, list box: vertical scroll bar
  kSpinSetBuddyInt = 1u << 6,     // spin: writes its position into the buddy edit as a decimal integer
  kSpinArrowKeys = 1u << 7,       // spin: the Up and Down keys in the buddy step it
  kSpinWrap = 1u << 8,            // spin: stepping past one end continues at the other
  kListNotify = 1u << 9,          // list box: notifies selection changes
  kComboDropDownList = 1u << 10,  // combo box: a closed list to choose from, not editable
  kButtonDefault = 1u << 11,      // button: pressed by Enter
};

struct TemplateItem {
  int id;
  ControlKind kind;
  std::string_view text;
  int x, y, width, height;  // dialog units
  unsigned style;
};

struct DialogTemplate {
  int id;
  std::string_view caption;
  std::string_view font;                // point size and face, e.g. "8 System"
  int width, height;                    // client area, dialog units
  bool escapeCloses;                    // Escape ends the dialog like its close command
  std::span<const TemplateItem> items;  // in tab order
};

// The pixels of one dialog unit, horizontally and vertically, on the device the templates were
// made for, in sevenths of four: 1.75 pixels. Dialog coordinates are in these pixels; a backend
// may magnify them.
inline constexpr int kPixelsPerFourDialogUnits = 7;

// Returns the pixels of a length or coordinate in dialog units, rounded to the nearest pixel.
constexpr int DialogUnitsToPixels(int units) {
  const int scaled = units * kPixelsPerFourDialogUnits;
  return scaled >= 0 ? (scaled + 2) / 4 : -((-scaled + 2) / 4);
}

// Returns the rectangle in pixels of a template item.
constexpr Rect ItemRect(const TemplateItem& item) {
  const int left = DialogUnitsToPixels(item.x);
  const int top = DialogUnitsToPixels(item.y);
  return Rect{left, top, DialogUnitsToPixels(item.x + item.width), DialogUnitsToPixels(item.y + item.height)};
}

// Returns the client rectangle in pixels of a template, with its origin at (0, 0).
constexpr Rect ClientRectOf(const DialogTemplate& t) {
  return Rect{0, 0, DialogUnitsToPixels(t.width), DialogUnitsToPixels(t.height)};
}

}  // namespace caelix
