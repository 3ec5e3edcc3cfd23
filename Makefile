# SPDX-License-Identifier: MIT
# Every target installs what it needs first (scripts/bootstrap.sh is idempotent).
.PHONY: all bootstrap build build-asan run test bench package clean

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

APP := build/default/Lunafold/lunafold

# The window when there is a display; otherwise the Now and Rise & Set screens as text.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(APP); \
	else \
	  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): showing 'lunafold-cli now' instead."; \
	  $(CLI) now; \
	fi

test: build build-asan
	@ctest --preset default -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

bench: build
	@build/default/bench/lunafold-bench --benchmark_counters_tabular=true
	@build/default/bench/lunafold-bench-screens
	@build/default/bench/lunafold-bench-map
	@dbus-run-session -- bench/notifier-budget.sh build/default/Lunafold/lunafold-notifier
	@build/default/bench/lunafold-bench-places
	@bench/compare-engine.sh build/default/cli/lunafold-cli
	@bench/startup.sh build/default/Lunafold/lunafold

# A Debian package of the app, the CLI and the notifier: build/default/lunafold_VERSION_ARCH.deb
package: build
	@cd build/default && cpack -G DEB

clean:
	rm -rf build
