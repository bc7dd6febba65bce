# Quick start: `make run` starts the program, `make test` runs every test headless.
# Both install what is missing first (scripts/install-deps).
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshots fuzz package clean translations sanitize mutate windows windows-test windows-package windows-screenshots

all: build

# The packages are checked once per build folder (again when the list changes), and the
# build folder configured once: Ninja reconfigures by itself when a CMakeLists.txt changes.
deps: $(BUILD)/.deps-installed
$(BUILD)/.deps-installed: scripts/install-deps
	scripts/install-deps
	mkdir -p $(BUILD) && touch $@

configure: $(BUILD)/build.ninja
ifneq ($(CMAKE_FLAGS),)
.PHONY: $(BUILD)/build.ninja   # flags given: configure with them every time
endif
$(BUILD)/build.ninja: | $(BUILD)/.deps-installed
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/geardim

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# Brings translations/geardim_en.ts up to date with the sources (lupdate).
translations: configure
	cmake --build $(BUILD) --target update_translations

# Renders every window, the root-diameter prompt and a warning to docs/screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/app/geardim-screenshots docs/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/app/geardim-screenshots --lang en docs/screenshots/en

# A Debian package of the program, in $(BUILD)/, checked by lintian.
package: build
	scripts/install-deps package
	rm -f $(BUILD)/geardim_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/geardim_*_amd64.deb

# Start-up and memory against the menu's same-content floor,
# the compute click, the batch run, the command line against a bare parser, and the picture
# of a 3000-tooth gear against a 30-tooth one.
bench:
	scripts/install-deps bench
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DGEARDIM_BENCH=ON -DGEARDIM_TESTS=OFF
	cmake --build $(BUILD)-bench
	@missed=; \
	for b in "click-bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true" \
	         "startup-bench $(BUILD)-bench/bench/menu-floor $(BUILD)-bench/app/geardim" \
	         "batch-bench $(BUILD)-bench/app/geardim" \
	         "cli-bench $(BUILD)-bench/bench/cli-floor $(BUILD)-bench/app/geardim" \
	         "picture-bench $(BUILD)-bench/app/geardim"; do \
	    echo "== $${b%% *}"; $(BUILD)-bench/bench/$$b || missed="$$missed $${b%% *}"; \
	done; \
	if [ -n "$$missed" ]; then echo "targets missed by:$$missed"; exit 1; fi

# Every test in its own build with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGEARDIM_SANITIZE=ON
	cmake --build $(BUILD)-sanitize
	cd $(BUILD)-sanitize && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2

# Mutation testing: each one-line fault of tools/mutants.txt applied alone, the tests nearest
# it run first, then all; prints the share caught per folder (fails below 90 %). Long: about
# half a minute a fault. MUTATE_ONLY=text runs the faults whose file or line holds text.
MUTATE_ONLY ?=
mutate: deps
	scripts/install-deps mutate
	python3 tools/mutate.py --build $(BUILD)-mutate --only "$(MUTATE_ONLY)"

# Fuzzes the number parser and the result text for FUZZ_SECONDS with libFuzzer.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps fuzz
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DGEARDIM_FUZZ=ON -DGEARDIM_TESTS=OFF
	cmake --build $(BUILD)-fuzz --target fuzz_numbers
	$(BUILD)-fuzz/tests/fuzz/fuzz_numbers -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1

# Windows: cross-built with MinGW-w64 against a Windows Qt built from Debian's own source
# (scripts/build-windows-qt; GEARDIM_WINDOWS_QT_ARCHIVE names a prebuilt archive of it),
# tested under wine, packed as a zip and an NSIS installer.
WINDOWS_QT ?= $(or $(GEARDIM_WINDOWS_QT),$(HOME)/.cache/geardim/qt6.4.2-win64-mingw)
export GEARDIM_WINDOWS_QT := $(WINDOWS_QT)

windows:
	scripts/build-windows-qt
	cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_QT)/lib/cmake/Qt6/qt.toolchain.cmake -DQT_HOST_PATH=/usr \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/scripts/wine-run \
	  -DDXFLIB_LIBRARY=$(WINDOWS_QT)/lib/libdxflib.a -DCMAKE_CXX_FLAGS=-I$(WINDOWS_QT)/include
	cmake --build build-windows

# Every test under wine, then the two programs' outputs compared over a set of gears and splines.
windows-test: windows build
	cd build-windows && ctest --output-on-failure -j2
	scripts/compare-windows-output $(BUILD)/app/geardim build-windows/app/geardim.exe

# The menu, the sheet and the spline window as the Windows program draws them under wine.
windows-screenshots: windows
	rm -rf build-windows/screenshots && mkdir -p build-windows/screenshots docs/screenshots/windows
	WINEQT_QPA_PLATFORM=windows scripts/wine-run build-windows/app/geardim-screenshots.exe build-windows/screenshots
	cp build-windows/screenshots/formain.png build-windows/screenshots/sheet.png build-windows/screenshots/spline.png docs/screenshots/windows/

windows-package: windows
	scripts/package-windows build-windows

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-bench $(BUILD)-sanitize build-windows
