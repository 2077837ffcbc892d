#include "web/assets.h"

namespace caelix {

const Asset* FindAsset(std::string_view path) {
  for (const Asset& a : EmbeddedAssets()) {
    if (a.path == path) return &a;
  }
  return nullptr;
}

}  // namespace caelix
