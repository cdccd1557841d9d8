# Entry points: make run, make test, make package, make bench, make fuzz, make web, make web-run.
# FAST=1 skips the Release build, the second, sanitized build of the test suite and the fuzzing.

BUILD         ?= build
RELEASE_BUILD ?= build-release
ASAN_BUILD    ?= build-asan
FUZZ_BUILD    ?= build-fuzz
WEB_BUILD     ?= build-web
WEB_PORT      ?= 8000
JOBS          ?= $(shell nproc)
CMAKE_GEN     := -G Ninja
# Builds made here hold our own code to warnings as errors; a plain cmake build does not.
STRICT        := -DTOVALO_WERROR=ON
CONFIGURE     := cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT)

.PHONY: all setup build run test package bench fuzz clean web web-run web-test web-bench

all: build

setup:
	@scripts/setup

$(BUILD)/build.ninja:
	$(CONFIGURE)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/tovalo

# Configures the build folder again so that one made before still gets warnings as errors.
test: setup
	scripts/check-format
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)
	JOBS=$(JOBS) scripts/check-tidy $(BUILD)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	scripts/check-package $(BUILD)
	$(MAKE) web-test
ifneq ($(FAST),1)
	cmake -S . -B $(RELEASE_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release $(STRICT)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTOVALO_SANITIZE=ON -DTOVALO_BENCH=OFF $(STRICT)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	JOBS=$(JOBS) tests/fuzz/run $(FUZZ_BUILD) 15
endif

# A Debian package of the programs, in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# The web page in $(WEB_BUILD)/site: the core compiled with Emscripten, with the character
# tables that the native build generates (the WebAssembly build cannot run the generator).
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
web: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target tovalo_text_tables
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release $(STRICT) \
		-DTOVALO_TEXT_TABLES=$(abspath $(BUILD))/platform/generated/text_tables.cpp
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

web-run: web
	@echo "Tovalo on the web: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)/site

# Drives the page in headless Chromium and compares it with tovalo-cli.
web-test: web
	cmake --build $(BUILD) -j $(JOBS) --target tovalo-cli
	cd web && TOVALO_SITE=$(abspath $(WEB_BUILD))/site TOVALO_CLI=$(abspath $(BUILD))/cli/tovalo-cli \
		node --test tests/

# Size, load time and keystroke time of the page, and its screenshots in docs/.
web-bench: web
	cmake --build $(BUILD) -j $(JOBS) --target tovalo-cli
	cd web && TOVALO_SITE=$(abspath $(WEB_BUILD))/site TOVALO_CLI=$(abspath $(BUILD))/cli/tovalo-cli \
		node tools/measure.mjs ../docs

# Each fuzz target for a minute, in a clang build of its own.
fuzz: setup
	JOBS=$(JOBS) tests/fuzz/run $(FUZZ_BUILD) 60

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
