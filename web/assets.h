#pragma once
// The files of the web page (web/assets/), compiled into the program at build time.
#include <span>
#include <string_view>

namespace caelix {

struct Asset {
  std::string_view path;         // the URL path it is served at: "/app.js"
  std::string_view contentType;  // "text/javascript; charset=utf-8"
  std::string_view body;
};

// Returns every embedded file, in the order the build listed them.
std::span<const Asset> EmbeddedAssets();

// Returns the file served at path, or nullptr.
const Asset* FindAsset(std::string_view path);

}  // namespace caelix
