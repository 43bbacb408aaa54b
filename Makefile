# Front door: every target installs what is missing, configures and builds.
#   make run           build and start the window program
#   make test          build and run every test (window tests headless)
#   make test-asan     the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   make windows       cross-compile velnix.exe, velnix-cli.exe and the tests with MinGW-w64
#                      (the first time also a static Qt for MinGW, cached per machine)
#   make test-windows  run the Windows build's tests under Wine (window tests on Xvfb)
#   make bench         benchmarks (release build)
#   make package       dist/: the .deb (window and command line) and the Windows zip

CMAKE_ARGS ?=
CONFIGURE = cmake -S . -G Ninja -DVELNIX_WERROR=ON $(CMAKE_ARGS)

.PHONY: all build run test test-asan windows test-windows bench package clean

all: build

build:
	tools/install-deps core gui
	$(CONFIGURE) -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display here: start the window under Xvfb (xvfb-run -a build/bin/velnix) or use build/bin/velnix-cli."; \
	else \
		build/bin/velnix; \
	fi

test: build
	ctest --test-dir build --output-on-failure

test-asan:
	tools/install-deps core gui
	$(CONFIGURE) -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELNIX_SANITIZE=ON
	cmake --build build-asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-asan --output-on-failure

windows:
	tools/install-deps core windows
	qt=$$(tools/build-qt-mingw) && \
	$(CONFIGURE) -B build-windows -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake
	cmake --build build-windows

# Wine asks to install its .NET and browser parts when it makes a new prefix; the tests need
# neither, and on a virtual display nobody would answer.
test-windows: windows
	WINEDLLOVERRIDES="mscoree,mshtml=" xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build-windows --output-on-failure

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
	cmake -S . -B build-windows -DVELNIX_PACKAGE_DIR=$(CURDIR)/dist
	cmake --build build-windows --target velnix_windows_zip
	@ls -l dist

clean:
	rm -rf build build-asan build-windows build-release build-package dist
