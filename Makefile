# The two commands of the README, and a few for developers.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# The real window: draw and edit tables with the mouse and the keyboard (Ctrl+Q quits).
app: build
	./$(BUILD)/bin/varo-host --window $(APP_FLAGS)

.PHONY: app demo test build deps sanitize bench bench-window fuzz fuzz-build fuzz-replay clean

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@mkdir -p out
	./$(BUILD)/bin/varo-host --prefs out/preferences.json examples/demo.varo
	@echo "wrote out/table.svg, out/table.png and out/panel.png"

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@grep -h "^window test skipped" $(BUILD)/Testing/Temporary/LastTest.log 2>/dev/null || true

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  $(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DVARO_SANITIZE=ON $(CMAKE_FLAGS)"

# The benchmarks, optimised, in a build of their own; they are not part of the tests. They run
# with the process's memory laid out the same way each time where the system allows it: laid
# out at random, the rebuild's time over the floor's moved by up to a tenth from one run to the
# next, every size together.
SAME_LAYOUT := $(shell setarch $$(uname -m) -R true 2>/dev/null && echo setarch $$(uname -m) -R)
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVARO_BENCHMARKS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target rebuild_benchmark
	$(SAME_LAYOUT) ./build-bench/bin/rebuild_benchmark $(BENCH_FLAGS)

# The real window's frame times under a virtual display, from the optimised build.
bench-window: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVARO_BENCHMARKS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target varo-host
	./bench/window-frames.sh build-bench/bin/varo-host

# The fuzz targets, built with clang and libFuzzer under AddressSanitizer and UBSan in a build
# of their own. `make fuzz` runs each for FUZZ_SECONDS (60 by default), then a thousand crash
# trials of the preference store; `make fuzz-replay` only replays the seed corpora and the
# past findings (what CI does).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_session fuzz_preferences fuzz_interface fuzz_construction fuzz_svg fuzz_csv

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARO_FUZZ=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)

fuzz: fuzz-build build
	@./scripts/fuzz.sh run $(FUZZ_SECONDS)
	@cmake --build $(BUILD) -j $(JOBS) --target store_crash_trials
	@./$(BUILD)/bin/store_crash_trials --host $(BUILD)/bin/varo-host --plugins $(BUILD)/plugins --trials 1000

fuzz-replay: fuzz-build
	@./scripts/fuzz.sh replay

clean:
	rm -rf build build-sanitize build-bench build-fuzz out
