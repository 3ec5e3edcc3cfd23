# SPDX-License-Identifier: MIT
# Every target installs what it needs first (scripts/bootstrap.sh is idempotent).
.PHONY: all bootstrap build build-asan run test bench clean

JOBS ?= $(shell nproc)
CLI := build/default/cli/lunafold-cli

all: build

bootstrap:
	@scripts/bootstrap.sh

build: bootstrap
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-asan: bootstrap
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

# Until the window exists: the principal phases of the coming month.
run: build
	@echo "Principal moon phases of the coming month (UTC):"
	@$(CLI) phases --from "$$(date -u +%Y-%m-%dT%H:%M:%SZ)" --until "$$(date -u -d '+1 month' +%Y-%m-%dT%H:%M:%SZ)"

test: build build-asan
	@ctest --preset default -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

bench: build
	@build/default/bench/lunafold-bench --benchmark_counters_tabular=true

clean:
	rm -rf build
