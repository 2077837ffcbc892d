#pragma once
// Pictures as PNG: an SVG document rasterised by librsvg onto a cairo image.
#include <optional>
#include <string>
#include <string_view>

namespace caelix {

// Returns the PNG file contents of svg rendered at its own width and height (pixels, rounded
// up), or nothing with error set to one line (the renderer's reason) when the document cannot
// be parsed or rendered.
std::optional<std::string> RenderSvgToPng(std::string_view svg, std::string& error);

}  // namespace caelix
