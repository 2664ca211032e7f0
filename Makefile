# Thin wrapper around CMake. `make run` starts the plotter, `make test` runs every test,
# `make bench` runs the benchmarks, `make fuzz` fuzzes the expression engine, `make package`
# builds the Debian package, `make tsan-test` runs the plotter's threads under ThreadSanitizer,
# `make format-check` checks the formatting, `make windows-engine-test` cross-builds the engine's
# tests for Windows and runs them under Wine. Each first installs what is missing
# (Debian/Ubuntu).
BUILD_DIR ?= build
JOBS ?= 2
WERROR ?= OFF
CMAKE_FLAGS ?=
FUZZ_RUNS ?= 200000
FUZZ_FLAGS ?=

CONFIGURE = cmake -S . -B $(1) -DPLOTMERE_WERROR=$(WERROR) $(CMAKE_FLAGS)

.PHONY: all deps build run test bench sanitize-test tsan-test format-check fuzz \
	windows-engine-test package clean

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call CONFIGURE,$(BUILD_DIR)) -DCMAKE_BUILD_TYPE=Release -DPLOTMERE_BUILD_TESTS=ON \
		-DPLOTMERE_BUILD_BENCH=ON >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/plotmere

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/engine_bench
	$(BUILD_DIR)/bench/plot_bench

# The tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: deps
	@$(call CONFIGURE,build-sanitize) -DCMAKE_BUILD_TYPE=Sanitize -DPLOTMERE_BUILD_BENCH=OFF >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# The plot-worker and plotter tests with ThreadSanitizer; any report fails. Only our code is
# instrumented (Qt and the C++ library are not), and nothing is suppressed.
TSAN_DIR = build-tsan
tsan-test: deps
	@$(call CONFIGURE,$(TSAN_DIR)) -DCMAKE_BUILD_TYPE=Tsan -DPLOTMERE_BUILD_BENCH=OFF >/dev/null
	cmake --build $(TSAN_DIR) -j $(JOBS) --target plotter_tests
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" $(TSAN_DIR)/tests/plotter_tests

# Every tracked C++ file must be as clang-format (with .clang-format) leaves it.
format-check: deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# The engine fuzz target (clang, libFuzzer, ASan, UBSan), FUZZ_RUNS inputs grown from the seed
# corpus. Fails on any crash, hang, leak or disagreement; the offending input is kept in
# build-fuzz/findings/. The seeds are copied first, so fuzz/corpus stays as it is.
FUZZ_DIR = build-fuzz
fuzz: deps
	@CC=clang CXX=clang++ $(call CONFIGURE,$(FUZZ_DIR)) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DPLOTMERE_BUILD_FUZZER=ON -DPLOTMERE_BUILD_TESTS=OFF -DPLOTMERE_BUILD_BENCH=OFF >/dev/null
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target engine_fuzzer
	rm -rf $(FUZZ_DIR)/corpus $(FUZZ_DIR)/findings
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/findings
	cp fuzz/corpus/* $(FUZZ_DIR)/corpus/
	$(FUZZ_DIR)/fuzz/engine_fuzzer -runs=$(FUZZ_RUNS) -max_len=4096 -timeout=10 \
		-dict=fuzz/engine.dict -artifact_prefix=$(FUZZ_DIR)/findings/ -print_final_stats=1 \
		$(FUZZ_FLAGS) $(FUZZ_DIR)/corpus

# The engine and its tests cross-built for 64-bit Windows with MinGW-w64 (GoogleTest from
# Debian's sources, no Qt), then run under Wine with a Wine prefix of their own in the build
# directory. Fails when a test fails or none ran.
WINDOWS_DIR = build-windows
windows-engine-test: deps
	@$(call CONFIGURE,$(WINDOWS_DIR)) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DPLOTMERE_ENGINE_ONLY=ON \
		-DPLOTMERE_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target engine_tests
	scripts/wine-gtest $(WINDOWS_DIR)/wine-prefix $(WINDOWS_DIR)/tests/engine_tests.exe

# The Debian package of the Release build, in $(BUILD_DIR): plotmere_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-sanitize $(TSAN_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)
