# make build compiles; it never installs packages
# make run   installs what is missing, builds, and starts Orvane on the default data folder
# make test  installs what is missing, builds, and runs every test
# make bench installs what is missing, builds, and runs the benchmarks
# make package installs what is missing, builds, and makes the Debian package in $(BUILD)
# Under CI=true every warning fails the build.
BUILD ?= build
JOBS ?= $(shell nproc)
WARNINGS_AS_ERRORS ?= $(if $(filter true,$(CI)),ON,OFF)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

# Configures again only when the build folder is new or was made with the
# other warnings setting.
configure:
	@grep -qsx "CMAKE_COMPILE_WARNING_AS_ERROR:BOOL=$(WARNINGS_AS_ERRORS)" $(BUILD)/CMakeCache.txt \
		|| cmake -S . -B $(BUILD) -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WARNINGS_AS_ERRORS)

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
