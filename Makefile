# SPDX-License-Identifier: GPL-3.0-or-later
# Quillix: the two commands are `make run` and `make test`.
JOBS ?= $(shell nproc)
GENERATOR := -G Ninja
ASAN_DIR := build/asan
RELEASE_DIR := build/release
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=report_objects=0:suppressions=$(CURDIR)/tests/ui/lsan.supp

.PHONY: deps run test bench fuzz fuzz-smoke build-release build-programs build-asan format clean screenshots package

deps:
	./scripts/install-deps.sh

CONFIGURE_RELEASE := cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

build-release: deps
	$(CONFIGURE_RELEASE)
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# What `make run` starts: the window and quillix-cli with their libraries, not
# the tests and benchmarks (`make test` and `make bench` build those).
build-programs: deps
	$(CONFIGURE_RELEASE)
	cmake --build $(RELEASE_DIR) --target quillix quillix-cli -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUILLIX_SANITIZE=ON \
	  -DQUILLIX_WERROR=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build-programs
	$(RELEASE_DIR)/src/ui/quillix

test: build-asan
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: build-release
	@for b in $(RELEASE_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" --benchmark_min_time=0.2 || exit 1; done
	./bench/startup.sh $(RELEASE_DIR)

screenshots: build-release
	./scripts/screenshots.sh build/screenshots

# The Debian package of the release build: build/release/quillix_VERSION_ARCH.deb.
package: build-release
	./scripts/install-deps.sh dpkg-dev file
	cd $(RELEASE_DIR) && cpack -G DEB

# The libFuzzer targets (clang): `make fuzz` runs each for FUZZ_SECONDS on its
# corpus, `make fuzz-smoke` for 30 seconds each (the run CI makes).
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh clang-14 libclang-rt-14-dev
	./scripts/fuzz.sh $(FUZZ_SECONDS)

fuzz-smoke:
	./scripts/install-deps.sh clang-14 libclang-rt-14-dev
	./scripts/fuzz.sh 30

format:
	find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r clang-format -i

clean:
	rm -rf build
