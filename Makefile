# Thin wrapper around CMake. `make run` builds and starts the plotter alone, `make test` runs
# every test, `make bench` runs the benchmarks, `make fuzz` fuzzes the expression engine,
# `make package` builds the Debian package, `make tsan-test` runs the plotter's threads under
# ThreadSanitizer, `make format-check` checks the formatting, `make windows-engine-test`
# cross-builds the engine's tests for Windows and runs them under Wine, `make windows-test` does
# the same for the whole program and its plotter, widget and end-to-end tests, `make
# windows-package` zips plotmere.exe for Windows users. Each first installs what it is missing,
# and only that (Debian/Ubuntu; scripts/install-deps says what each needs).
BUILD_DIR ?= build
JOBS ?= 2
WERROR ?= OFF
CMAKE_FLAGS ?=
FUZZ_RUNS ?= 200000
FUZZ_FLAGS ?=

CONFIGURE = cmake -S . -B $(1) -DPLOTMERE_WERROR=$(WERROR) $(CMAKE_FLAGS)

.PHONY: all deps build run test bench sanitize-test tsan-test format-check fuzz \
	windows-engine-test windows-test windows-package package clean

all: build

deps:
	@scripts/install-deps test

build: deps
	@$(call CONFIGURE,$(BUILD_DIR)) -DCMAKE_BUILD_TYPE=Release -DPLOTMERE_BUILD_TESTS=ON \
		-DPLOTMERE_BUILD_BENCH=ON >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program alone: neither tests nor benchmarks are configured or built, nor is anything they
# need installed.
run:
	@scripts/install-deps run
	@$(call CONFIGURE,$(BUILD_DIR)) -DCMAKE_BUILD_TYPE=Release -DPLOTMERE_BUILD_TESTS=OFF \
		-DPLOTMERE_BUILD_BENCH=OFF >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target plotmere
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
format-check:
	@scripts/install-deps format
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# The engine fuzz target (clang, libFuzzer, ASan, UBSan), FUZZ_RUNS inputs grown from the seed
# corpus. Fails on any crash, hang, leak or disagreement; the offending input is kept in
# build-fuzz/findings/. The seeds are copied first, so fuzz/corpus stays as it is.
FUZZ_DIR = build-fuzz
fuzz:
	@scripts/install-deps fuzz
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
windows-engine-test:
	@scripts/install-deps windows
	@$(call CONFIGURE,$(WINDOWS_DIR)) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DPLOTMERE_ENGINE_ONLY=ON \
		-DPLOTMERE_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target engine_tests
	scripts/wine-gtest $(WINDOWS_DIR)/wine-prefix $(WINDOWS_DIR)/tests/engine_tests.exe

# The whole program for 64-bit Windows, against a static Qt cross-built from Debian's own Qt
# source (scripts/build-qt-windows; built once, then taken from its cache), in the same build
# directory as the engine's tests.
WINDOWS_PROGRAM_CONFIGURE = qt=$$(scripts/build-qt-windows | tail -n 1) && \
	$(call CONFIGURE,$(WINDOWS_DIR)) -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DPLOTMERE_ENGINE_ONLY=OFF \
	-DPLOTMERE_GTEST_SOURCE_DIR=/usr/src/googletest -DPLOTMERE_BUILD_BENCH=OFF \
	-DCMAKE_PREFIX_PATH="$$qt" -DQT_HOST_PATH=/usr \
	-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null

# plotmere.exe with the plotter and widget tests, run under Wine on Qt's offscreen platform with
# DejaVu's fonts in the engine tests' Wine prefix; then plotmere.exe itself on a private X
# server with a window manager, driven by wine_e2e_tests of the Linux build. Fails when a test
# fails or none ran.
WINDOWS_FONTS = Z:/usr/share/fonts/truetype/liberation2
windows-test:
	@scripts/install-deps test windows
	@$(WINDOWS_PROGRAM_CONFIGURE)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target plotmere plotter_tests ui_tests
	scripts/wine-gtest $(WINDOWS_DIR)/wine-prefix $(WINDOWS_DIR)/tests/plotter_tests.exe
	QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=$(WINDOWS_FONTS) \
		scripts/wine-gtest $(WINDOWS_DIR)/wine-prefix $(WINDOWS_DIR)/tests/ui_tests.exe
	@$(call CONFIGURE,$(BUILD_DIR)) -DCMAKE_BUILD_TYPE=Release -DPLOTMERE_BUILD_TESTS=ON \
		-DPLOTMERE_BUILD_BENCH=ON >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target wine_e2e_tests
	PLOTMERE_WINDOWS_PROGRAM=$(WINDOWS_DIR)/src/plotmere.exe \
		PLOTMERE_WINE_PREFIX=$(WINDOWS_DIR)/wine-prefix-e2e $(BUILD_DIR)/tests/e2e/wine_e2e_tests

# The download for Windows users: build-windows/plotmere-<version>-win64.zip, one folder with
# the static, stripped plotmere.exe, README-windows.txt and LICENSE.
windows-package:
	@scripts/install-deps windows
	@$(WINDOWS_PROGRAM_CONFIGURE)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target plotmere
	cd $(WINDOWS_DIR) && cpack -G ZIP

# The Debian package of the Release build, in $(BUILD_DIR): plotmere_<version>_<arch>.deb.
package: build
	@scripts/install-deps package
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-sanitize $(TSAN_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)
