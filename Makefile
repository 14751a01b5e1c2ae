# `make test` and `make run` do all set-up on a fresh Debian machine.
#
# `make test` runs the whole suite three ways: the plain build, a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan), and, when
# clang is installed, a few seconds of every fuzz target (build-fuzz).
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVELIN_SANITIZE=ON \
                    -DQUARVELIN_BENCH=OFF
JOBS ?= $(shell nproc)
FUZZ_SMOKE_SECONDS ?= 3

# Leaks of the display and font libraries (one-time caches that live until
# exit) are not the engine's; tests/asan/lsan.supp names them one by one.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/asan/lsan.supp:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build test test-plain test-asan fuzz-smoke run clean

deps:
	scripts/setup-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: test-plain test-asan fuzz-smoke

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(ASAN_CMAKE_FLAGS)
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-smoke: deps
	@if command -v clang++ >/dev/null; then \
	  FUZZ_JOBS=$(JOBS) FUZZ_BUILD_JOBS=$(JOBS) scripts/fuzz $(FUZZ_SMOKE_SECONDS); \
	else echo "fuzz-smoke: clang++ is not installed, skipped"; fi

run: build
	scripts/run-example

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
