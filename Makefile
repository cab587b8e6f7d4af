# The two commands users need: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build run test bench mutants clean

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

# Each fault of tests/mutants.txt applied on its own, in build-mutants; slow, not part of CI.
mutants: deps
	@scripts/run-mutants.sh tests/mutants.txt build-mutants

clean:
	@rm -rf build build-asan build-tsan build-release build-fuzz build-mutants
