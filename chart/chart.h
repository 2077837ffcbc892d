#pragma once
// One computed chart as every reader takes it: what was asked, its two instants and its slots.
#include "chart/chart_input.h"
#include "chart/chart_result.h"

namespace caelix {

// The engine that computed a chart: the classic one (the original computation) or the precise
// one (chart/precise_chart.h).
enum class Engine { Classic, Precise };

// Plain data owned by the caller; ComputeChart(const ChartInput&) makes it.
struct Chart {
  ChartInput input;
  double jdUT = 0.0;  // Julian day, Universal Time: angles and house cusps
  double jde = 0.0;   // Julian day, dynamical time (jdUT + Delta T): bodies and apparent place
  ChartResult slots;
  Engine engine = Engine::Classic;

  const BodySlot& operator[](BodyId id) const { return slots[id]; }

  // A chart reads as its record wherever only the slots are asked for. A temporary chart gives
  // its record by value, so that a reference bound to it never outlives the chart.
  operator const ChartResult&() const& { return slots; }
  operator ChartResult() && { return slots; }
};

}  // namespace caelix
