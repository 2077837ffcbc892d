#pragma once
// What a modern wheel shows: which bodies (--points) and which aspects (--aspects), and the kind
// of each aspect of the aspects page's table.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_result.h"
#include "ui/pages/aspect_table.h"

namespace caelix {

// A flag per BodyId: drawn or not.
using PointSelection = std::array<bool, kBodyCount>;

// A flag per entry of the aspect table (kAspectTable order): drawn as a line or not.
using AspectSelection = std::array<bool, kAspectTable.size()>;

// Hard: conjunction, opposition, square, semi-square, sesquiquadrate. Soft: trine, sextile.
// Minor: every other entry of the table.
enum class AspectKind { Hard, Soft, Minor };

// Returns the kind of an aspect angle of the table (degrees).
AspectKind AspectKindOf(double angleDeg);

// Returns "hard", "soft" or "minor".
std::string_view AspectKindName(AspectKind kind);

// Returns the aspect's name ("trine", "quincunx") or, for the rarer ones, its angle ("102°").
std::string AspectName(double angleDeg);

// Every body the modern wheel can draw.
PointSelection AllPoints();

// The conjunction, opposition, square, trine and sextile: the chords of the classic wheel.
AspectSelection MajorAspects();

// Returns the bodies a --points text names: a comma-separated list of groups ("all", "planets"
// for the Sun to Pluto, "points" for the node, Vertex and Part of Fortune, "tables" for the
// table bodies) and bodies by key or label ("Chiron", "so", "MeanNode"), any case, joined. On
// an unknown or empty word returns nothing and sets error to one line naming it.
std::optional<PointSelection> ParsePointSelection(std::string_view text, std::string& error);

// Returns the aspects an --aspects text names: a comma-separated list of "major", "all", "none",
// the kinds "hard", "soft", "minor", and angles of the table ("150"), joined. On an unknown or
// empty word returns nothing and sets error to one line naming it.
std::optional<AspectSelection> ParseAspectSelection(std::string_view text, std::string& error);

}  // namespace caelix
