# `make test` and `make run` do all set-up on a fresh Debian machine.
#
# `make test` builds once and runs the whole suite in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan), which sees
# every fault the plain build's run would and more; one build instead of two
# halves the time. Every warning is an error there, so none can land. With
# clang (the setup script installs it) the same tree holds the fuzz targets,
# and each of them then runs for a few seconds. It ends by printing the CPU
# time the whole run took. `make test-plain` runs the suite in the optimised
# build that `make run` plays from. `make package` builds the Debian package.
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# -O1 and line tables only: the sanitizers need no more to catch and place a
# fault, and the tree compiles in much less time than at -O2 -g.
ASAN_CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVELIN_SANITIZE=ON -DQUARVELIN_WERROR=ON \
                    -DQUARVELIN_BENCH=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
                    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
HAVE_CLANG := $(shell command -v clang++ >/dev/null && echo yes)
ifeq ($(HAVE_CLANG),yes)
ASAN_COMPILERS = CC=clang CXX=clang++
ASAN_CMAKE_FLAGS += -DQUARVELIN_FUZZ=ON
else
ASAN_CMAKE_FLAGS := $(subst -gline-tables-only,-g1,$(ASAN_CMAKE_FLAGS))
endif
JOBS ?= $(shell nproc)
FUZZ_SMOKE_SECONDS ?= 3

SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build test test-plain test-asan fuzz-smoke run package clean

deps:
	scripts/setup-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer build picks its compiler from what is installed, so the steps
# run in a second make, started once the packages are in place.
test: deps
	@bash -c 'TIMEFORMAT="make test: CPU time %U s user + %S s system, %R s wall"; \
	  time $(MAKE) --no-print-directory test-asan fuzz-smoke'

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	$(ASAN_COMPILERS) cmake -S . -B $(ASAN_BUILD) $(ASAN_CMAKE_FLAGS)
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Runs in the sanitizer build's tree, whose fuzz targets test-asan has built.
fuzz-smoke: test-asan
ifeq ($(HAVE_CLANG),yes)
	FUZZ_BUILD=$(ASAN_BUILD) FUZZ_JOBS=$(JOBS) FUZZ_BUILD_JOBS=$(JOBS) scripts/fuzz $(FUZZ_SMOKE_SECONDS)
else
	@echo "fuzz-smoke: clang++ is not installed, skipped"
endif

run: build
	scripts/run-example

# The Debian package of a release: an optimised tree of its own without the
# tests, packed by CPack and checked with lintian and both validators.
RELEASE_BUILD ?= build-release
package: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVELIN_TESTS=OFF \
	      -DQUARVELIN_BENCH=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && cpack -G DEB
	scripts/check-package $$(ls -t $(RELEASE_BUILD)/quarvelin_*.deb | head -1)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) build-fuzz
