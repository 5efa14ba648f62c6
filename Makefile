# make build compiles; it never installs packages
# make run   installs what is missing, builds, and starts Orvane on the default data folder
# make test  installs what is missing, builds, and runs every test
# make bench installs what is missing, builds, and runs the benchmarks
# make package installs what is missing, builds, and makes the Debian package in $(BUILD)
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The packages are in place before the build starts, even under make -j.
run: deps
	@$(MAKE) --no-print-directory build
	@scripts/run-orvane $(BUILD)

test: deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && dbus-run-session -- ctest --output-on-failure -j $(JOBS) --timeout 300

bench: deps
	@$(MAKE) --no-print-directory build
	cmake --build $(BUILD) --target benches -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; "$$b" || exit 1; done

package: deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
