#include "platform/png_raster.h"

#include <cairo.h>
#include <dlfcn.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>

namespace caelix {
namespace {

// The largest side accepted: beyond it the image would not fit cairo's coordinates.
constexpr double kMaxSide = 32767.0;

// The renderer's library, opened on the first picture rather than linked: librsvg brings some
// forty libraries (cairo, pango, glib, libxml2, ICU...) whose loading would otherwise cost every
// start of the program about 10 ms, also when no picture is drawn.
constexpr const char* kRendererLibrary = "librsvg-2.so.2";

// The entry points of librsvg and of the cairo and GLib it depends on, found in the opened library
// and its dependencies; their types are the headers' own.
struct Renderer {
  decltype(&rsvg_handle_new_from_data) newFromData = nullptr;
  decltype(&rsvg_handle_get_intrinsic_size_in_pixels) intrinsicSize = nullptr;
  decltype(&rsvg_handle_render_document) renderDocument = nullptr;
  decltype(&g_object_unref) objectUnref = nullptr;
  decltype(&g_error_free) errorFree = nullptr;
  decltype(&cairo_image_surface_create) imageSurfaceCreate = nullptr;
  decltype(&cairo_surface_status) surfaceStatus = nullptr;
  decltype(&cairo_surface_destroy) surfaceDestroy = nullptr;
  decltype(&cairo_surface_write_to_png_stream) writeToPngStream = nullptr;
  decltype(&cairo_create) create = nullptr;
  decltype(&cairo_destroy) destroy = nullptr;
  decltype(&cairo_status_to_string) statusToString = nullptr;
  std::string failure;  // why the renderer is unusable; empty when every entry point was found
};

template <typename F>
void Find(void* library, const char* name, F& entry, std::string& failure) {
  entry = reinterpret_cast<F>(dlsym(library, name));
  if (entry == nullptr && failure.empty()) failure = std::string(kRendererLibrary) + " lacks " + name;
}

Renderer OpenRenderer() {
  Renderer r;
  void* library = dlopen(kRendererLibrary, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    r.failure = std::string("cannot load the PNG renderer (Debian package librsvg2-2): ") +
                (reason != nullptr ? reason : kRendererLibrary);
    return r;
  }
  Find(library, "rsvg_handle_new_from_data", r.newFromData, r.failure);
  Find(library, "rsvg_handle_get_intrinsic_size_in_pixels", r.intrinsicSize, r.failure);
  Find(library, "rsvg_handle_render_document", r.renderDocument, r.failure);
  Find(library, "g_object_unref", r.objectUnref, r.failure);
  Find(library, "g_error_free", r.errorFree, r.failure);
  Find(library, "cairo_image_surface_create", r.imageSurfaceCreate, r.failure);
  Find(library, "cairo_surface_status", r.surfaceStatus, r.failure);
  Find(library, "cairo_surface_destroy", r.surfaceDestroy, r.failure);
  Find(library, "cairo_surface_write_to_png_stream", r.writeToPngStream, r.failure);
  Find(library, "cairo_create", r.create, r.failure);
  Find(library, "cairo_destroy", r.destroy, r.failure);
  Find(library, "cairo_status_to_string", r.statusToString, r.failure);
  return r;
}

// The renderer, opened once for the life of the process (thread-safe: a function-local static).
const Renderer& TheRenderer() {
  static const Renderer renderer = OpenRenderer();
  return renderer;
}

std::string TakeMessage(const Renderer& r, GError* e, const char* fallback) {
  std::string m = e != nullptr && e->message != nullptr ? e->message : fallback;
  if (e != nullptr) r.errorFree(e);
  while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
  return m;
}

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::optional<std::string> RenderSvgToPng(std::string_view svg, std::string& error) {
  const Renderer& r = TheRenderer();
  if (!r.failure.empty()) {
    error = r.failure;
    return std::nullopt;
  }
  const auto unrefHandle = [&r](RsvgHandle* h) { r.objectUnref(h); };
  const auto destroySurface = [&r](cairo_surface_t* s) { r.surfaceDestroy(s); };
  const auto destroyContext = [&r](cairo_t* c) { r.destroy(c); };

  GError* gerror = nullptr;
  std::unique_ptr<RsvgHandle, decltype(unrefHandle)> handle(
      r.newFromData(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &gerror), unrefHandle);
  if (!handle) {
    error = "SVG not readable: " + TakeMessage(r, gerror, "unknown reason");
    return std::nullopt;
  }
  gdouble width = 0.0;
  gdouble height = 0.0;
  if (!r.intrinsicSize(handle.get(), &width, &height) || !(width >= 1.0) || !(height >= 1.0) || width > kMaxSide ||
      height > kMaxSide) {
    error = "SVG has no usable size in pixels";
    return std::nullopt;
  }
  const int w = static_cast<int>(std::ceil(width));
  const int h = static_cast<int>(std::ceil(height));
  std::unique_ptr<cairo_surface_t, decltype(destroySurface)> surface(r.imageSurfaceCreate(CAIRO_FORMAT_ARGB32, w, h),
                                                                     destroySurface);
  if (r.surfaceStatus(surface.get()) != CAIRO_STATUS_SUCCESS) {
    error = std::string("cannot make a ") + std::to_string(w) + "x" + std::to_string(h) +
            " image: " + r.statusToString(r.surfaceStatus(surface.get()));
    return std::nullopt;
  }
  {
    std::unique_ptr<cairo_t, decltype(destroyContext)> cr(r.create(surface.get()), destroyContext);
    const RsvgRectangle viewport{0.0, 0.0, width, height};
    if (!r.renderDocument(handle.get(), cr.get(), &viewport, &gerror)) {
      error = "SVG not renderable: " + TakeMessage(r, gerror, "unknown reason");
      return std::nullopt;
    }
  }
  std::string png;
  const cairo_status_t status = r.writeToPngStream(surface.get(), AppendPng, &png);
  if (status != CAIRO_STATUS_SUCCESS) {
    error = std::string("cannot encode PNG: ") + r.statusToString(status);
    return std::nullopt;
  }
  return png;
}

}  // namespace caelix
