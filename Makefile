# The two set-up commands of the README are `make run` and `make test`; both bootstrap first.
PRESET ?= release
BUILD_DIR := build
# The asteroid ephemeris files the table series need (`make tables`, the table checks); CMake
# finds the shared/ephe folder beside the checkout by itself, SHARED_EPHE=DIR names another.
SHARED_EPHE ?=
EPHE_OPTION := $(if $(SHARED_EPHE),-DCAELIX_SHARED_EPHE=$(abspath $(SHARED_EPHE)))

.PHONY: all bootstrap configure build run test bench accuracy accuracy-reference tables sanitize fuzz format tidy clean

all: build

bootstrap:
	@scripts/bootstrap.sh

configure: bootstrap
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset $(PRESET) $(EPHE_OPTION) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@./$(BUILD_DIR)/caelix chart

test: build
	@ctest --preset $(PRESET)

bench: build
	@cmake --build --preset $(PRESET) --target caelix_bench
	@./$(BUILD_DIR)/bench/caelix_bench

# Recomputes the committed table series (astro/tables/) with the Swiss Ephemeris.
tables: configure
	@cmake --preset $(PRESET) $(EPHE_OPTION) >/dev/null
	@cmake --build --preset $(PRESET) --target tables

# Compares the analytic positions with the Swiss Ephemeris on random charts (docs/accuracy.md).
accuracy: configure
	@cmake --build --preset $(PRESET) --target accuracy-report

# Rewrites the Swiss Ephemeris reference values of the accuracy test (tests/data/swiss_reference.h).
accuracy-reference: configure
	@cmake --build --preset $(PRESET) --target accuracy-reference

# The whole suite, the whole-domain property test included, under ASan and UBSan.
sanitize: bootstrap
	@test -f build-sanitize/build.ninja || cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: configure
	@git ls-files 'astro/*.cpp' 'chart/*.cpp' 'houses/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'cli/*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet

clean:
	@rm -rf $(BUILD_DIR)
