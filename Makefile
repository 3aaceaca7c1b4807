# Thin wrapper: the work is in CMake and scripts/.
.PHONY: all setup build demo demo-gui test fuzz bench screenshots clean

all: build

setup:
	@./scripts/setup.sh

build: setup
	@./scripts/build.sh native win64 win32

demo:
	@./scripts/demo.sh

demo-gui:
	@./scripts/demo.sh --gui

test:
	@./scripts/test.sh

fuzz: setup
	@./scripts/build.sh native
	@./scripts/fuzz.sh $${SECONDS_PER_TARGET:-600}

bench: setup
	@./scripts/build.sh bench
	@./scripts/bench.sh

screenshots: setup
	@./scripts/screenshots.sh

clean:
	rm -rf build
