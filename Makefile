# make build compiles; it never installs packages
# make run   installs what is missing, builds, and starts Orvane on the default data folder
# make test  installs what is missing, builds, and runs every test
# make bench installs what is missing, builds, and runs the benchmarks and the
#            checks with real Syncthing programs (ctest label syncthing, which
#            make test leaves out: it runs over ten minutes)
# make package installs what is missing, builds, and makes the Debian package in $(BUILD)
# make sanitize builds in $(SANITIZE_BUILD) under UndefinedBehaviorSanitizer and runs
#                the store and widget tests; any undefined behaviour fails them
# Under CI=true every warning fails the build.
BUILD ?= build
JOBS ?= $(shell nproc)
WARNINGS_AS_ERRORS ?= $(if $(filter true,$(CI)),ON,OFF)

SANITIZE_BUILD ?= build-ubsan
UBSAN_FLAGS = -fsanitize=undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

.PHONY: all deps configure build run test bench package sanitize clean

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
	cd $(BUILD) && dbus-run-session -- ctest --output-on-failure -j $(JOBS) --timeout 300 -LE '^syncthing$$'

bench:
	@scripts/install-deps --bench
	@$(MAKE) --no-print-directory build
	cmake --build $(BUILD) --target benches -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; "$$b" || exit 1; done
	cd $(BUILD) && ctest --output-on-failure -L '^syncthing$$'

package: deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && cpack -G DEB

# A build folder of its own, configured once with the sanitizer's flags.
sanitize: deps
	@grep -qs -- "-fsanitize=undefined" $(SANITIZE_BUILD)/CMakeCache.txt \
		|| cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WARNINGS_AS_ERRORS) \
			"-DCMAKE_CXX_FLAGS=$(UBSAN_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=undefined"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target test_store test_widgets
	cd $(SANITIZE_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		dbus-run-session -- ctest --output-on-failure -j $(JOBS) --timeout 600 -L '^(store|widgets)$$'

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
