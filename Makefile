# Front door of the build: every target configures the CMake build folder it
# needs, so a fresh checkout only ever needs `make demo` and `make check`.
#
#   make                 release build into build/
#   make check           build, then run every test (SANITIZE=1: with ASan and UBSan)
#   make demo            run the bundled examples
#   make bench           run the benchmarks (figures only, never a failure)
#   make docs            render the pictures of the README into docs/ (needs
#                        Graphviz's dot and Chromium)
#   make fuzz            build the fuzz targets with clang and libFuzzer in
#                        build-fuzz and run each for FUZZ_SECONDS (default 60);
#                        FUZZ_TARGETS picks targets, FUZZ_ARGS adds libFuzzer
#                        arguments (see fuzz/README.md)
#   make install PREFIX=/usr/local
#   make package         the Debian package and the tarball of what make install
#                        installs (CPack), in the build folder
#
# COMPILER=clang builds with clang and clang++ instead of the default compilers.
# CMAKE_ARGS="..." passes further arguments to CMake when it configures.

SANITIZE ?= 0
COMPILER ?=
CMAKE_ARGS ?=
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= pgen sgen kam minipas minipas_fast minipas_shapes k2s k2c k2a
FUZZ_ARGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release
ifeq ($(SANITIZE),1)
  BUILD := build-san
  CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DZEDRA_SANITIZE=ON
endif
ifeq ($(COMPILER),clang)
  BUILD := $(BUILD)-clang
  CMAKE_FLAGS += -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
endif
GENERATOR := $(if $(shell command -v ninja 2>/dev/null),-G Ninja,)

.PHONY: all configure build check demo bench docs fuzz install package clean

all: build

configure:
	@if [ ! -f $(BUILD)/CMakeCache.txt ] || [ -n "$(CMAKE_ARGS)" ]; then \
	  cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_FLAGS) $(CMAKE_ARGS); \
	fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The tests need GoogleTest: installed when missing and possible, else the
# check stops and says so.
check: build
	@if ! grep -q '^ZEDRA_TESTS_ENABLED:INTERNAL=ON' $(BUILD)/CMakeCache.txt; then \
	  sh tests/lib/ensure_gtest.sh && cmake -S . -B $(BUILD) -DZEDRA_TESTS=ON >/dev/null && \
	  cmake --build $(BUILD) -j $(JOBS); \
	fi
	@grep -q '^ZEDRA_TESTS_ENABLED:INTERNAL=ON' $(BUILD)/CMakeCache.txt || { \
	  echo "make check: GoogleTest is missing and could not be installed;" \
	       "install it (Debian: libgtest-dev libgmock-dev) and run make check again"; exit 1; }
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The demonstrations need the programs and the MiniPas compiler, not the
# tests.
demo: configure
	cmake --build $(BUILD) -j $(JOBS) --target zedra_installed minipas
	sh examples/demo.sh $(BUILD)

bench: build
	sh bench/run.sh $(BUILD)

docs: build
	sh docs/render.sh $(BUILD)

fuzz:
	@sh fuzz/run.sh build-fuzz "$(FUZZ_SECONDS)" "$(FUZZ_TARGETS)" "$(FUZZ_ARGS)" $(JOBS)

# Only what is installed is built (the programs), not the tests.
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target zedra_installed
	cmake --install $(BUILD) --prefix $(PREFIX)

# The packages hold what make install installs, so only that is built.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target zedra_installed
	cmake --build $(BUILD) --target package

clean:
	rm -rf build build-san build-clang build-san-clang build-fuzz
