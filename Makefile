# Quillix: the two commands are `make run` and `make test`.
JOBS ?= $(shell nproc)
GENERATOR := -G Ninja
ASAN_DIR := build/asan
RELEASE_DIR := build/release
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=report_objects=0:suppressions=$(CURDIR)/tests/ui/lsan.supp

.PHONY: deps run test bench build-release build-asan format clean screenshots

deps:
	./scripts/install-deps.sh

build-release: deps
	cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUILLIX_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build-release
	$(RELEASE_DIR)/src/ui/quillix

test: build-asan
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: build-release
	@for b in $(RELEASE_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" --benchmark_min_time=0.2 || exit 1; done

screenshots: build-release
	./scripts/screenshots.sh build/screenshots

format:
	find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r clang-format -i

clean:
	rm -rf build
