#include "platform/png_raster.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>

namespace caelix {
namespace {

// The largest side accepted: beyond it the image would not fit cairo's coordinates.
constexpr double kMaxSide = 32767.0;

struct HandleDeleter {
  void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::string TakeMessage(GError* e, const char* fallback) {
  std::string m = e != nullptr && e->message != nullptr ? e->message : fallback;
  if (e != nullptr) g_error_free(e);
  while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
  return m;
}

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::optional<std::string> RenderSvgToPng(std::string_view svg, std::string& error) {
  GError* gerror = nullptr;
  std::unique_ptr<RsvgHandle, HandleDeleter> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &gerror));
  if (!handle) {
    error = "SVG not readable: " + TakeMessage(gerror, "unknown reason");
    return std::nullopt;
  }
  gdouble width = 0.0;
  gdouble height = 0.0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &width, &height) || !(width >= 1.0) || !(height >= 1.0) ||
      width > kMaxSide || height > kMaxSide) {
    error = "SVG has no usable size in pixels";
    return std::nullopt;
  }
  const int w = static_cast<int>(std::ceil(width));
  const int h = static_cast<int>(std::ceil(height));
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    error = std::string("cannot make a ") + std::to_string(w) + "x" + std::to_string(h) +
            " image: " + cairo_status_to_string(cairo_surface_status(surface.get()));
    return std::nullopt;
  }
  {
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
    const RsvgRectangle viewport{0.0, 0.0, width, height};
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &gerror)) {
      error = "SVG not renderable: " + TakeMessage(gerror, "unknown reason");
      return std::nullopt;
    }
  }
  std::string png;
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface.get(), AppendPng, &png);
  if (status != CAIRO_STATUS_SUCCESS) {
    error = std::string("cannot encode PNG: ") + cairo_status_to_string(status);
    return std::nullopt;
  }
  return png;
}

}  // namespace caelix
