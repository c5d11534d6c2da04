# The two commands of the README, and a few for developers.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: demo test build deps sanitize clean

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@mkdir -p out
	./$(BUILD)/bin/varo-host --prefs out/preferences.json examples/demo.varo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DVARO_SANITIZE=ON $(CMAKE_FLAGS)"

clean:
	rm -rf build build-sanitize out
