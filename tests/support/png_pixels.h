#pragma once
// PNG files read back into pixels with cairo, to look at what a picture shows.
#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace caelix::testing {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // row by row, premultiplied as cairo keeps them
  std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

inline std::optional<Pixels> DecodePng(const std::string& png) {
  struct Reader {
    const std::string* data;
    std::size_t at;
  } reader{&png, 0};
  cairo_surface_t* s = cairo_image_surface_create_from_png_stream(
      [](void* closure, unsigned char* out, unsigned int length) {
        auto* r = static_cast<Reader*>(closure);
        if (r->at + length > r->data->size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(out, r->data->data() + r->at, length);
        r->at += length;
        return CAIRO_STATUS_SUCCESS;
      },
      &reader);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return std::nullopt;
  }
  cairo_surface_flush(s);
  Pixels p;
  p.width = cairo_image_surface_get_width(s);
  p.height = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const cairo_format_t format = cairo_image_surface_get_format(s);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      std::uint32_t v;
      std::memcpy(&v, data + static_cast<std::size_t>(y) * stride + 4 * x, 4);
      if (format == CAIRO_FORMAT_RGB24) v |= 0xFF000000u;
      p.argb.push_back(v);
    }
  }
  cairo_surface_destroy(s);
  return p;
}

}  // namespace caelix::testing
