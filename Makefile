# Quick start: `make run` starts the program, `make test` runs every test headless.
# Both install what is missing first (scripts/install-deps).
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshots install-deps clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/geardim

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD)
