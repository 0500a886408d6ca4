# SPDX-License-Identifier: GPL-3.0-or-later
# Quillix: the two commands are `make run` and `make test`.
JOBS ?= $(shell nproc)
GENERATOR := -G Ninja
ASAN_DIR := build/asan
RELEASE_DIR := build/release
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=report_objects=0:suppressions=$(CURDIR)/tests/ui/lsan.supp

.PHONY: deps run test bench fuzz build-release build-asan format clean screenshots package

deps:
	./scripts/install-deps.sh

build-release: deps
	cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUILLIX_SANITIZE=ON \
	  -DQUILLIX_WERROR=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build-release
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

# The formula reader under libFuzzer for FUZZ_SECONDS (clang only, optional).
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh clang-14 libclang-rt-14-dev
	cmake -S . -B $(FUZZ_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DQUILLIX_FUZZ=ON -DQUILLIX_TESTS=OFF -DQUILLIX_BENCH=OFF -DQUILLIX_UI=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_formula_reader -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus
	$(SANITIZER_ENV) $(FUZZ_DIR)/fuzz/fuzz_formula_reader -max_total_time=$(FUZZ_SECONDS) \
	  -timeout=10 -rss_limit_mb=2048 -max_len=4096 -dict=fuzz/formula.dict $(FUZZ_DIR)/corpus

format:
	find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r clang-format -i

clean:
	rm -rf build
