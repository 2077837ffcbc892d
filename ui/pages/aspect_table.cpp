#include "ui/pages/aspect_table.h"

namespace caelix {

const AspectEntry* FindAspectEntry(double x, double y) {
  for (const AspectEntry& e : kAspectTable) {
    const double a = e.angleDeg;
    const double o = e.orbDeg;
    const double z = y - a;
    const bool hit = ((a + y) - o <= x && x <= (o + a) + y) || (z - o <= x && x <= z + o) ||
                     ((z - o) + 360.0 <= x && x <= (z + o) + 360.0) ||
                     (((a + y) - o) - 360.0 <= x && x <= ((o + a) + y) - 360.0);
    if (hit) return &e;
  }
  return nullptr;
}

double FindAspect(double x, double y) {
  const AspectEntry* e = FindAspectEntry(x, y);
  return e != nullptr ? e->angleDeg : kNoAspect;
}

}  // namespace caelix
