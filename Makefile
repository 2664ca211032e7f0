# Thin wrapper around CMake. `make run` starts the plotter, `make test` runs every test,
# `make bench` runs the benchmarks. Each first installs what is missing (Debian/Ubuntu).
BUILD_DIR ?= build
JOBS ?= 2
WERROR ?= OFF
CMAKE_FLAGS ?=

CONFIGURE = cmake -S . -B $(1) -DPLOTMERE_WERROR=$(WERROR) $(CMAKE_FLAGS)

.PHONY: all deps build run test bench sanitize-test clean

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call CONFIGURE,$(BUILD_DIR)) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/plotmere

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/engine_bench

# The tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: deps
	@$(call CONFIGURE,build-sanitize) -DCMAKE_BUILD_TYPE=Sanitize -DPLOTMERE_BUILD_BENCH=OFF >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) build-sanitize
