# Front door: every target installs what is missing, configures and builds. The builds are
# CMake's presets (CMakePresets.json), so an IDE finds the same ones.
#   make run             build and start the window
#   make test            build and run every test (window tests headless)
#   make test-asan       the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   make tidy            clang-tidy over the sources changed since their last clean check
#   make windows         cross-compile velnix.exe, velnix-cli.exe and the tests with MinGW-w64
#                        (the first time also a static Qt for MinGW, cached per machine)
#   make test-windows    run the Windows build's tests under Wine (window tests on Xvfb)
#   make bench           the Linux benchmarks (release build)
#   make bench-windows   the window's benchmarks as velnix.exe under Wine
#   make package         dist/: the .deb (window and command line)
#   make package-windows dist/: the Windows zip
#   make fuzz            the libFuzzer targets over the core, each run FUZZ_SECONDS on its corpus

CMAKE_ARGS ?=

.PHONY: all build run test test-asan tidy windows test-windows bench bench-windows package \
	package-windows fuzz mutate clean

all: build

build:
	tools/install-deps core gui
	cmake --preset linux $(CMAKE_ARGS)
	cmake --build --preset linux

# The display first: without one there is nothing to start, so nothing is built.
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display here: start the window under Xvfb (xvfb-run -a make run), or use the command line (make build, then build/bin/velnix-cli)."; \
		exit 1; \
	fi
	tools/install-deps core gui
	cmake --preset linux $(CMAKE_ARGS)
	cmake --build --preset linux --target velnix
	build/bin/velnix

test: build
	ctest --preset linux

test-asan:
	tools/install-deps core gui
	cmake --preset asan $(CMAKE_ARGS)
	cmake --build --preset asan
	ctest --preset asan

# Checks the Linux build's sources (src, tests, bench) with the project's .clang-tidy.
tidy: build
	tools/install-deps core tidy
	tools/run-tidy build

# The window for Windows needs the static Qt for MinGW that tools/build-qt-mingw builds once
# per machine; WINDOWS_GUI=OFF builds velnix-cli.exe and the core's tests alone, without Qt.
WINDOWS_GUI ?= ON
ifeq ($(WINDOWS_GUI),ON)
WINDOWS_PRESET = windows
WINDOWS_QT = $$(tools/build-qt-mingw)
else
WINDOWS_PRESET = windows-cli
WINDOWS_QT =
endif
WINDOWS_BUILD = build-$(WINDOWS_PRESET)

windows:
	tools/install-deps core windows
	# CMake cannot change the toolchain of a configured folder: another Qt starts the folder
	# afresh.
	qt=$(WINDOWS_QT) && \
	if [ "$$(cat $(WINDOWS_BUILD)/.qt-mingw 2>/dev/null)" != "$$qt" ]; then \
		rm -rf $(WINDOWS_BUILD) && mkdir -p $(WINDOWS_BUILD) && \
		echo "$$qt" > $(WINDOWS_BUILD)/.qt-mingw; fi && \
	VELNIX_QT_MINGW=$$qt cmake --preset $(WINDOWS_PRESET) $(CMAKE_ARGS)
	cmake --build --preset $(WINDOWS_PRESET)

# Wine asks to install its .NET and browser parts when it makes a new prefix (the presets say
# no); on a virtual display nobody would answer.
test-windows: windows
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset $(WINDOWS_PRESET)

bench:
	tools/install-deps core gui bench
	cmake --preset release $(CMAKE_ARGS)
	cmake --build --preset release
	tools/bench-report \
		'build-release/bin/velnix_bench --benchmark_filter="-^Check(CleanList|BackwardChain|FindingOnEveryPair)"' \
		'tools/bench-check build-release/bin' \
		'tools/bench-cli build-release/bin/velnix-cli' \
		'xvfb-run -a -s "-screen 0 1600x1000x24" build-release/bin/velnix_window_bench' \
		'tools/bench-start build-release/bin/velnix_start_bench'

bench-windows: windows
	cmake -B build-windows -DVELNIX_BUILD_BENCH=ON
	cmake --build build-windows --target velnix_window_bench velnix_start_bench
	WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all tools/bench-report \
		'xvfb-run -a -s "-screen 0 1600x1000x24" wine build-windows/bin/velnix_window_bench.exe' \
		'tools/bench-start wine build-windows/bin/velnix_start_bench.exe'

package:
	tools/install-deps core gui package
	desktop-file-validate packaging/linux/velnix.desktop
	rm -f dist/*.deb
	cmake --preset package $(CMAKE_ARGS)
	cmake --build --preset package
	cd build-package && cpack
	@ls -l dist/*.deb

package-windows: windows
	rm -f dist/*.zip
	cd $(WINDOWS_BUILD) && cpack
	@ls -l dist/*.zip

# Each target runs for a fixed time from its seeds (new inputs go to a scratch folder, never into
# the repository); a crash or a broken invariant fails the run. CI uses the default; on a
# developer's machine: make fuzz FUZZ_SECONDS=600.
FUZZ_SECONDS ?= 30

fuzz:
	tools/install-deps core fuzz
	cmake --preset fuzz $(CMAKE_ARGS)
	cmake --build --preset fuzz
	tools/run-fuzz build-fuzz $(FUZZ_SECONDS)

# Minutes, not part of CI: a sample of MUTANTS mutants (0: all of them) of the core, each
# built and tested in a copy of the tree in build-mutate/.
MUTANTS ?= 120

mutate:
	tools/install-deps core mutate
	tools/mutate --count $(MUTANTS)

clean:
	rm -rf build build-asan build-windows build-windows-cli build-release build-package build-fuzz build-mutate dist
