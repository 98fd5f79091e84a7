# Corvalith: the two commands are `make test` and `make run`.
SHELL := /bin/bash
JOBS ?= 2

.PHONY: test deps deps-build deps-fuzz deps-format native-tools native-build native asan skingen win64 wine-tests screenshot \
	fuzz reliability bench bench-wine run format clean installer dist install-cli package-tests

# Installs what is missing, builds the native tools the other steps need, builds and runs the core tests
# under the sanitizers, builds the Windows tree, tests the packages, then runs the Windows tests under Wine
# in headless X servers. Ends with CTest's summary. The core tests run natively once, in the sanitizer
# tree (`make native` builds and runs them without the sanitizers).
test: deps-build native-tools asan win64 package-tests wine-tests

# Everything a developer needs: what the build and its tests need, clang with libFuzzer, clang-format.
deps:
	@scripts/install-deps.sh all

# Each target installs only what it needs, when it is missing (scripts/install-deps.sh looks for the
# tools themselves and prints nothing when they are all there).
deps-build:
	@scripts/install-deps.sh build
deps-fuzz:
	@scripts/install-deps.sh fuzz
deps-format:
	@scripts/install-deps.sh format

# Only what the Windows tree, the packages and `make run` take from the native tree: the skin generator,
# the installation defaults and corvalith-cli.
native-tools: deps-build
	cmake --preset native >/dev/null
	cmake --build build/native -j$(JOBS) --target skingen install-defaults corvalith-cli

native-build: deps-build
	cmake --preset native >/dev/null
	cmake --build build/native -j$(JOBS)

native: native-build
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

asan: deps-build
	cmake --preset asan >/dev/null
	cmake --build build/asan -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir build/asan --output-on-failure -j$(JOBS)

# The Windows tree runs the host-built skin generator, so it is built first.
SKINGEN := $(CURDIR)/build/native/tools/skingen/skingen
skingen: deps-build
	cmake --preset native >/dev/null
	cmake --build build/native -j$(JOBS) --target skingen

win64: deps-build skingen
	cmake --preset win64 -DCORVALITH_SKINGEN=$(SKINGEN) -DCORVALITH_PACKAGE_DIR=$(CURDIR)/build/installer \
		-DCORVALITH_DEFAULTS_DIR=$(CURDIR)/build/native/install-defaults >/dev/null
	cmake --build build/win64 -j$(JOBS)

wine-tests: win64
	@scripts/wine-tests.sh

# The Windows setup program, build/installer/Corvalith-Setup-<version>.exe (NSIS).
installer: win64
	cmake --build build/win64 -j$(JOBS) --target installer

# The portable zip, build/installer/Corvalith-<version>-portable.zip: the programs, Skins, the four
# languages' defaults and a short text on where they go.
dist: native-tools win64
	cmake --build build/win64 -j$(JOBS) --target dist

# corvalith-cli, its man page and its udev rule (PREFIX=/usr/local unless given; DESTDIR for packagers).
PREFIX ?= /usr/local
install-cli: native-tools
	DESTDIR=$(DESTDIR) cmake --install build/native --component cli --prefix $(PREFIX)

# The packages' tests: corvalith-cli's installation (natively), then the setup program and the portable
# zip under Wine in a Wine prefix of their own.
package-tests: native-tools installer dist
	@scripts/install-cli-tests.sh
	@scripts/installer-tests.sh

# Pictures of the skin gallery's pages (artwork and every control state) in build/screenshots.
GALLERY_PAGES := main side controls dialogs files-1 files-2
screenshot: win64
	xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'for page in $(GALLERY_PAGES); do \
		scripts/screenshot.sh build/win64/bin/corvalith_gallery.exe build/screenshots/$$page.png $$page 30000 || exit 1; \
	done; /usr/lib/wine/wineserver -w'

# Each parser's fuzzer for FUZZ_SECONDS (not part of `make test`).
FUZZ_SECONDS ?= 60
fuzz: deps-fuzz
	cmake --preset fuzz >/dev/null
	cmake --build build/fuzz -j$(JOBS)
	for target in build/fuzz/tests/fuzz/*Fuzz; do $$target -max_total_time=$(FUZZ_SECONDS) -max_len=4096 || exit 1; done

# The long reliability campaign (not part of `make test`): each fuzzer for 10 minutes, 1000 kills during
# saves, the long property test; rows for docs/reliability.md in build/reliability/results.md. Builds take
# the lock file BUILD_LOCK names, when set; the runs themselves take none.
reliability:
	scripts/reliability.sh

# Benchmarks of the native build (Release), with their figures printed.
bench: deps-build
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build/bench -j$(JOBS) --target DeviceLinkBench
	build/bench/tests/bench/DeviceLinkBench

# Timed runs of the Windows program under Wine in Xvfb beside a minimal Win32 program (start-up, show,
# repaint, hover, slider release, memory and objects, a minute of idling), printed as a Markdown table.
# The Wine server of the project's own prefix is waited for, never killed.
bench-wine: win64
	cmake --build build/win64 -j$(JOBS) --target corvalith_program_bench
	xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'cmake/wine-run.sh build/win64/bin/corvalith_program_bench.exe; \
		rc=$$?; WINEPREFIX=$(CURDIR)/build/wineprefix /usr/lib/wine/wineserver -w; exit $$rc'

# Builds, lays down the installation defaults (LANG_CODE=EN, DE, CHS or CHT) in the Wine prefix's data
# folder if it has none, and starts the program with the virtual mouse, showing its window.
run: native-tools win64
	@scripts/run.sh

format: deps-format
	find src tests $$(ls -d tools 2>/dev/null) -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
