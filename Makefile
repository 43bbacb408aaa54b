# Front door: every target installs what is missing, configures and builds.
#   make run           build and start the window program
#   make test          build and run every test (window tests headless)
#   make test-asan     the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   make windows       cross-compile velnix.exe, velnix-cli.exe and the tests with MinGW-w64
#                      (the first time also a static Qt for MinGW, cached per machine)
#   make test-windows  run the Windows build's tests under Wine (window tests on Xvfb)
#   make bench         benchmarks (release build)
#   make package       dist/: the .deb (window and command line) and the Windows zip
#   make fuzz          the libFuzzer targets over the core, each run FUZZ_SECONDS on its corpus

CMAKE_ARGS ?=
CONFIGURE = cmake -S . -G Ninja -DVELNIX_WERROR=ON $(CMAKE_ARGS)

.PHONY: all build run test test-asan windows test-windows bench package fuzz clean

all: build

build:
	tools/install-deps core gui
	$(CONFIGURE) -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build

# The display first: without one there is nothing to start, so nothing is built.
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display here: start the window under Xvfb (xvfb-run -a make run), or use the command line (make build, then build/bin/velnix-cli)."; \
		exit 1; \
	fi
	tools/install-deps core gui
	$(CONFIGURE) -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build --target velnix
	build/bin/velnix

test: build
	ctest --test-dir build --output-on-failure

test-asan:
	tools/install-deps core gui
	$(CONFIGURE) -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELNIX_SANITIZE=ON
	cmake --build build-asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-asan --output-on-failure

# The window for Windows needs the static Qt for MinGW that tools/build-qt-mingw builds once
# per machine; WINDOWS_GUI=OFF builds velnix-cli.exe and the core's tests alone, without Qt.
WINDOWS_GUI ?= ON
ifeq ($(WINDOWS_GUI),ON)
WINDOWS_BUILD = build-windows
WINDOWS_TOOLCHAIN = $$(tools/build-qt-mingw)/lib/cmake/Qt6/qt.toolchain.cmake
else
WINDOWS_BUILD = build-windows-cli
WINDOWS_TOOLCHAIN = cmake/mingw-w64-x86_64.cmake
endif

windows:
	tools/install-deps core windows
	# CMake cannot change the toolchain of a configured folder: a new one (another Qt, or
	# WINDOWS_GUI switched) starts the folder afresh.
	toolchain=$(WINDOWS_TOOLCHAIN) && \
	if [ "$$(cat $(WINDOWS_BUILD)/.toolchain 2>/dev/null)" != "$$toolchain" ]; then \
		rm -rf $(WINDOWS_BUILD) && mkdir -p $(WINDOWS_BUILD) && \
		echo "$$toolchain" > $(WINDOWS_BUILD)/.toolchain; fi && \
	$(CONFIGURE) -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$$toolchain -DVELNIX_BUILD_GUI=$(WINDOWS_GUI)
	cmake --build $(WINDOWS_BUILD)

# Wine asks to install its .NET and browser parts when it makes a new prefix; the tests need
# neither, and on a virtual display nobody would answer.
test-windows: windows
	WINEDLLOVERRIDES="mscoree,mshtml=" xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

bench: windows
	tools/install-deps core gui bench
	$(CONFIGURE) -B build-release -DCMAKE_BUILD_TYPE=Release -DVELNIX_BUILD_BENCH=ON
	cmake --build build-release
	build-release/bin/velnix_bench
	tools/bench-cli build-release/bin/velnix-cli
	QT_QPA_PLATFORM=offscreen build-release/bin/velnix_window_bench
	tools/bench-start build-release/bin/velnix_start_bench
	cmake -B build-windows -DVELNIX_BUILD_BENCH=ON
	cmake --build build-windows --target velnix_window_bench velnix_start_bench
	WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all xvfb-run -a -s "-screen 0 1600x1000x24" \
		wine build-windows/bin/velnix_window_bench.exe
	WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all \
		tools/bench-start wine build-windows/bin/velnix_start_bench.exe

package: windows
	tools/install-deps core gui package
	desktop-file-validate packaging/linux/velnix.desktop
	rm -rf dist
	$(CONFIGURE) -B build-package -DCMAKE_BUILD_TYPE=Release -DVELNIX_BUILD_TESTS=OFF \
		-DVELNIX_PACKAGE_DIR=$(CURDIR)/dist
	cmake --build build-package
	cd build-package && cpack
	cmake -S . -B $(WINDOWS_BUILD) -DVELNIX_PACKAGE_DIR=$(CURDIR)/dist
	cmake --build $(WINDOWS_BUILD) --target velnix_windows_zip
	@ls -l dist

# Each target runs for a fixed time from its seeds (new inputs go to a scratch folder, never into
# the repository); a crash or a broken invariant fails the run. CI uses the default; on a
# developer's machine: make fuzz FUZZ_SECONDS=600.
FUZZ_SECONDS ?= 30

fuzz:
	tools/install-deps core fuzz
	$(CONFIGURE) -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DVELNIX_BUILD_FUZZ=ON -DVELNIX_BUILD_TESTS=OFF -DVELNIX_BUILD_GUI=OFF
	cmake --build build-fuzz --target velnix_fuzz
	tools/run-fuzz build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-windows build-windows-cli build-release build-package build-fuzz dist
