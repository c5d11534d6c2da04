# The two commands of the README, and a few for developers.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: demo test build deps sanitize bench clean

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

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  $(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DVARO_SANITIZE=ON $(CMAKE_FLAGS)"

# The benchmarks, optimised, in a build of their own; they are not part of the tests.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVARO_BENCHMARKS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target rebuild_benchmark
	./build-bench/bin/rebuild_benchmark $(BENCH_FLAGS)

clean:
	rm -rf build build-sanitize build-bench out
