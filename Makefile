# Entry points: make run, make test, make package, make bench, make fuzz.
# FAST=1 skips the Release build, the second, sanitized build of the test suite and the fuzzing.

BUILD         ?= build
RELEASE_BUILD ?= build-release
ASAN_BUILD    ?= build-asan
FUZZ_BUILD    ?= build-fuzz
JOBS          ?= $(shell nproc)
CMAKE_GEN     := -G Ninja
# Builds made here hold our own code to warnings as errors; a plain cmake build does not.
STRICT        := -DTOVALO_WERROR=ON
CONFIGURE     := cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT)

.PHONY: all setup build run test package bench fuzz clean

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

# Each fuzz target for a minute, in a clang build of its own.
fuzz: setup
	JOBS=$(JOBS) tests/fuzz/run $(FUZZ_BUILD) 60

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
