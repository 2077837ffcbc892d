#include "ui/pages/chart_aspects.h"

#include <cmath>

#include "chart/zodiac.h"

namespace caelix {

std::vector<ChartAspect> ChartAspects(const ChartResult& result, bool (*hasNext)(BodyId)) {
  std::vector<ChartAspect> aspects;
  ChartAspects(result, hasNext, aspects);
  return aspects;
}

void ChartAspects(const ChartResult& result, bool (*hasNext)(BodyId), std::vector<ChartAspect>& aspects) {
  aspects.clear();
  const auto speed = [&](BodyId id) -> std::optional<double> {
    const BodySlot& s = result[id];
    if (!hasNext(id) || s.longitudeNext == kNoLongitude) return std::nullopt;
    return DailyMotionDeg(s.longitude, s.longitudeNext);
  };
  for (int i = static_cast<int>(BodyId::Sun); i <= static_cast<int>(BodyId::Midpoint); ++i) {
    const auto row = static_cast<BodyId>(i);
    const double x = result[row].longitude;
    if (x == kNoLongitude) continue;
    const bool pointRow = i > static_cast<int>(BodyId::MeanNode);
    for (int j = static_cast<int>(BodyId::Sun); j <= static_cast<int>(BodyId::MeanNode); ++j) {
      const auto partner = static_cast<BodyId>(j);
      const double y = result[partner].longitude;
      if (j == i || y == kNoLongitude) continue;
      if (!pointRow && j < i) continue;  // listed under the earlier body's row
      const AspectEntry* entry = FindAspectEntry(x, y);
      if (entry == nullptr) continue;
      const double signedSeparation = DailyMotionDeg(y, x);  // x - y, the short way round
      const double separation = std::fabs(signedSeparation);
      ChartAspect a{row, partner, entry, separation, std::fabs(separation - entry->angleDeg), std::nullopt};
      const auto vx = speed(row);
      const auto vy = speed(partner);
      if (vx && vy) {
        // d(separation)/dt = sign(x - y) (vx - vy); the orb shrinks when that moves the
        // separation toward the angle.
        const double towardExact = (separation - entry->angleDeg) * (signedSeparation < 0 ? -1.0 : 1.0) * (*vx - *vy);
        a.applying = towardExact < 0.0;
      }
      aspects.push_back(a);
    }
  }
}

}  // namespace caelix
