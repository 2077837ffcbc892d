#include "astro/pluto_table.h"

#include <cstdint>
#include <span>

#include "astro/angles.h"

namespace caelix {

std::optional<HeliocentricPosition> PlutoTablePosition(double jd) {
  const std::optional<SeriesStencil> stencil = LocateInSeries(tables::kPlutoGrid, jd);
  if (!stencil) return std::nullopt;
  return HeliocentricPosition{
      Normalize360(InterpolateSeries(std::span<const std::uint32_t>(tables::kPlutoLongitudeValues), *stencil)),
      InterpolateSeries(std::span<const std::int32_t>(tables::kPlutoLatitudeValues), *stencil),
      InterpolateSeries(std::span<const std::uint32_t>(tables::kPlutoDistanceValues), *stencil)};
}

}  // namespace caelix
