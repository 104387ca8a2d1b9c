# The two commands that matter: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench

.PHONY: all run test test-windows package test-quick bootstrap bootstrap-run build build-asan build-fuzz bench fuzz fuzz-short lint screenshots clean

all: build

# The Debian packages that are missing, installed with apt-get (as root, or
# with sudo that asks no password): `bootstrap-run` only what building and
# running need, `bootstrap` the testing tools as well (scripts/bootstrap).
bootstrap:
	@scripts/bootstrap

bootstrap-run:
	@scripts/bootstrap run

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: bootstrap-run $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON

build-asan: bootstrap $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Both programs and what `cmake --install` puts beside them (manual pages),
# not the tests; then start the desktop program.
run: bootstrap-run $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target velmora velmora-report velmora_package_files
	@scripts/run $(BUILD)

# Everything: the normal build and its tests (the sweep too), the same tests
# under ASan and UBSan, and a short run of each fuzzer. One line per stage;
# the full output is in $(BUILD)/test-logs/ (VERBOSE=1 shows it as well).
test:
	@JOBS=$(JOBS) BUILD=$(BUILD) ASAN_BUILD=$(ASAN_BUILD) FUZZ_BUILD=$(FUZZ_BUILD) scripts/test-all

# Builds the Debian package build/velmora_<version>_<arch>.deb (CPack) and
# says its name; nothing is installed. Its checks (lintian,
# desktop-file-validate, appstreamcli, an install into a fresh root and the
# programs run from there: tests/package/check-package) are the package stage
# of `make test`.
package: bootstrap build
	cmake --build $(BUILD) --target package
	@echo "package: $$(ls $(BUILD)/velmora_*.deb)"

# The core, the report tool and the core's tests cross-compiled for Windows
# (mingw-w64) and run under Wine; the golden answers byte for byte. Part of
# `make test` as well.
test-windows: bootstrap
	@JOBS=$(JOBS) BUILD=$(BUILD) scripts/test-windows build-windows

# The inner loop: normal build only, slow sweeps skipped.
test-quick: bootstrap build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE slow

$(BENCH_BUILD)/CMakeCache.txt:
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVELMORA_GUI=OFF -DVELMORA_BENCH=ON

# Medians of three repetitions, the figures README quotes. Debian's Google
# Benchmark library is built without NDEBUG and says "Library was built as
# DEBUG"; that concerns the library's bookkeeping outside the timed loops, not
# our code, which is a Release build here.
BENCH_REPETITIONS ?= 3
bench: bootstrap $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target velmora-bench
	@echo "bench: medians of $(BENCH_REPETITIONS) repetitions; the library's 'built as DEBUG' warning below is about Debian's build of the library itself (see Makefile)"
	$(BENCH_BUILD)/velmora-bench --benchmark_counters_tabular=true \
	  --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# FUZZ_RUNS=N stops each fuzzer after N runs if it gets there before FUZZ_SECONDS.
FUZZ_RUNS ?= -1
# FUZZ_SANITIZE=OFF (with another FUZZ_BUILD) fuzzes without ASan and UBSan:
# several times the runs a second, for the long runs.
FUZZ_SANITIZE ?= ON

$(FUZZ_BUILD)/CMakeCache.txt:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_GUI=OFF \
	  -DVELMORA_TESTS=OFF -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=$(FUZZ_SANITIZE)

# The fuzz targets only (without the sanitizers, a program of the fuzz build
# would lack the coverage hooks' runtime).
FUZZ_TARGETS_ALL := $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))
build-fuzz: bootstrap $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS_ALL)

# Each fuzzer for FUZZ_SECONDS (or FUZZ_RUNS runs) on a scratch copy of its
# seed corpus, one after another.
fuzz: build-fuzz
	scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_RUNS)

# The short run that is part of `make test`.
fuzz-short: build-fuzz
	scripts/fuzz $(FUZZ_BUILD) 5

lint: bootstrap build
	scripts/lint $(BUILD)

# Pictures of the windows, taken under Xvfb, into docs/screenshots/.
screenshots: bootstrap $(BUILD)/CMakeCache.txt
	JOBS=$(JOBS) scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
