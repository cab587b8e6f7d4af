# The commands users need: `make run`, `make test`, and `make package` for the installable package.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build run test bench package mutants clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The game alone: tests and benchmarks are built by `make test` and `make bench`.
run: configure
	@cmake --build $(BUILD_DIR) --target tessaly -j $(JOBS)
	@scripts/run-game.sh $(BUILD_DIR)/bin/tessaly

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF >/dev/null
	@cmake --build build-release -j $(JOBS)
	@scripts/run-benchmarks.sh build-release/bin

# A .deb on Debian and Ubuntu (a ZIP and an installer on Windows, a disk image on macOS),
# from an optimised build without the tests; it lands in build-package.
package:
	@scripts/install-deps.sh --package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack

# Each fault of tests/mutants.txt applied on its own, in build-mutants; slow, not part of CI.
mutants: deps
	@scripts/run-mutants.sh tests/mutants.txt build-mutants

clean:
	@rm -rf build build-asan build-tsan build-release build-fuzz build-package build-mingw build-mutants
