#include "ui/wheel/chart_wheel.h"

#include <algorithm>
#include <cmath>

#include "ui/pages/aspect_table.h"
#include "ui/wheel/symbol_identification.h"
#include "ui/wheel/wheel_icons.h"

namespace caelix {
namespace {

// Radii as fractions of the wheel size.
constexpr double kSignRingInner = 0.4;
constexpr double kSignRingOuter = 0.5;
constexpr double kSignGlyphs = 0.45;
constexpr double kInnerCircle = 0.125;
constexpr double kBodySymbols = 0.34;
constexpr double kRetrogradeMarks = 0.2625;
constexpr double kHouseMarkers = 0.2;
constexpr double kPositionTickOuter = 0.41;
constexpr double kPositionTickInner = 0.38;
constexpr double kPlanetTickOuter = 0.145;

// The aspects that draw a chord: conjunction, opposition, trine, sextile, square.
bool DrawsChord(double aspectDeg) {
  return aspectDeg == 0.0 || aspectDeg == 180.0 || aspectDeg == 120.0 || aspectDeg == 60.0 || aspectDeg == 90.0;
}

void Circle(DrawingSurface& surface, int centre, int radius) {
  surface.Ellipse(centre - radius, centre - radius, centre + radius, centre + radius);
}

void Line(DrawingSurface& surface, Point from, Point to) {
  surface.MoveTo(from.x, from.y);
  surface.LineTo(to.x, to.y);
}

const SlotInfo& EntrySlot(std::size_t entry) { return SlotOf(kWheelEntrySlots[entry]); }

}  // namespace

void DrawIconCentered(DrawingSurface& surface, int iconId, int width, int height, Point point) {
  surface.DrawIcon(iconId, point.x - width / 2, point.y - height / 2, width, height);
}

void ChartWheel::DrawWheel(DrawingSurface& surface, const Rect& client, const ChartResult& chart,
                           std::string_view header) {
  wheelSlots_ = MakeWheelSlots(chart);
  header_ = header;
  symbolPositions_ = {};

  const int size = std::min(client.right - client.left, client.bottom - client.top);
  wheelSize_ = size;
  const int centre = size / 2;
  const double asc = wheelSlots_[static_cast<std::size_t>(SlotOf(BodyId::Ascendant).wheel.entry)].longitude;
  const int signIndex = static_cast<int>(std::trunc(asc / 30.0));
  const auto direction = [asc](double lambda) { return WheelDirection(lambda, asc); };
  const auto point = [size](double f, double psi) { return WheelPoint(f, psi, size); };
  const auto drawIcon = [&surface](const WheelIcon& icon, Point at) {
    DrawIconCentered(surface, icon.id, icon.width, icon.height, at);
  };

  // The sign ring; each circle is filled, so the boundaries lie on the 0.4 disc and the inner
  // disc comes last.
  Circle(surface, centre, size / 2);
  Circle(surface, centre, size / 2 + 1);
  Circle(surface, centre, static_cast<int>(std::trunc(kSignRingInner * size)));
  for (int k = 0; k < 12; ++k) {
    const double psi = direction(30.0 * k);
    Line(surface, point(kSignRingInner, psi), point(kSignRingOuter, psi));
  }
  Circle(surface, centre, static_cast<int>(std::trunc(kInnerCircle * size)));

  for (int i = 1; i <= 12; ++i) {
    const int sign = ((signIndex + i - 3) % 12 + 12) % 12;
    drawIcon(kSignIcons[static_cast<std::size_t>(sign)], point(kSignGlyphs, direction(30.0 * sign + 15.0)));
  }

  for (std::size_t axis = 0; axis < kWheelEntryCount; ++axis) {
    if (!EntrySlot(axis).wheel.houseAxis) continue;
    const double psi = direction(wheelSlots_[axis].longitude);
    Line(surface, point(kSignRingInner, psi), point(kInnerCircle, psi));
    Line(surface, point(kSignRingInner, psi + 180.0), point(kInnerCircle, psi + 180.0));
  }

  for (const DisplayEntry& entry : SpreadSymbols(wheelSlots_)) {
    const auto id = static_cast<std::size_t>(entry.bodyId);
    const BodySlot& slot = wheelSlots_[id];
    const double psiShown = direction(entry.longitude);
    const Point at = point(kBodySymbols, psiShown);
    drawIcon(kEntryIcons[id], at);
    symbolPositions_[id] = {at, true};
    if (EntrySlot(id).kind == SlotKind::Theory && IsRetrograde(slot.longitude, slot.longitudeNext)) {
      drawIcon(kRetrogradeIcon, point(kRetrogradeMarks, psiShown));
    }
    const double psiTrue = direction(slot.longitude);
    Line(surface, point(kPositionTickOuter, psiTrue), point(kPositionTickInner, psiTrue));
  }

  for (std::size_t marker = 0; marker < kWheelEntryCount; ++marker) {
    if (EntrySlot(marker).wheel.ring != WheelRing::HouseMarkers) continue;
    const Point at = point(kHouseMarkers, direction(wheelSlots_[marker].longitude));
    drawIcon(kEntryIcons[marker], at);
    symbolPositions_[marker] = {at, true};
  }

  for (std::size_t i = 0; i < kWheelEntryCount; ++i) {
    if (!EntrySlot(i).planet) continue;
    const double lambdaI = wheelSlots_[i].longitude;
    const double psiI = direction(lambdaI);
    Line(surface, point(kPlanetTickOuter, psiI), point(kInnerCircle, psiI));
    for (std::size_t j = i + 1; j < kWheelEntryCount; ++j) {
      if (!EntrySlot(j).planet) continue;
      const double lambdaJ = wheelSlots_[j].longitude;
      if (DrawsChord(FindAspect(lambdaI, lambdaJ))) {
        Line(surface, point(kInnerCircle, psiI), point(kInnerCircle, direction(lambdaJ)));
      }
    }
  }

  symbolPositions_[0] = {{centre, centre}, true};
}

std::string ChartWheel::IdentifySymbols(int x, int y) const {
  return caelix::IdentifySymbols(x, y, symbolPositions_, wheelSlots_, header_);
}

std::string ChartWheel::SymbolText(std::size_t entry) const {
  std::string text = SymbolPiece(entry, wheelSlots_, header_);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace caelix
