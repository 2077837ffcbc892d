// The libFuzzer entry of one target, chosen at build time with CAELIX_FUZZ_TARGET.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

namespace caelix::fuzz {

void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace caelix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return caelix::fuzz::CAELIX_FUZZ_TARGET(data, size);
}
