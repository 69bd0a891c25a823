# make run  - install what is missing, build, start Railvane (./railvane.sh run does the same without make)
# make test - install what is missing, build, run the whole suite (headless when there is no display)
# make install   - build and install into PREFIX (default /usr/local; DESTDIR=... stages it):
#                  the program, its menu entry, icons and the ".tdl" file type
# make uninstall - remove exactly the files the last make install put in place
# make fuzz - build the fuzz target with clang and run it for FUZZ_SECONDS (600)
# make bench - build and run the benchmarks on generated layouts, medians of three runs
#              (BENCH_FILTER=regex picks some; docs/performance.md has the figures)
BUILD ?= build
JOBS  ?= $(shell nproc)
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test clean sanitize install uninstall fuzz bench

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/railvane

test: build
	@bash scripts/run-tests.sh $(BUILD)

BENCH_FILTER ?= .
bench: build
	@bash scripts/run-benchmarks.sh $(BUILD) '$(BENCH_FILTER)'

install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD)

uninstall:
	DESTDIR=$(DESTDIR) cmake --build $(BUILD) --target uninstall

# One build with AddressSanitizer and UndefinedBehaviorSanitizer, tests included.
sanitize: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRAILVANE_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  bash scripts/run-tests.sh build-asan

# The libFuzzer target for the layout and block readers, built with clang (ASan + UBSan) in
# build-fuzz and run for FUZZ_SECONDS; a crash fails the target and leaves its input in
# build-fuzz/crashes/.
FUZZ_SECONDS ?= 600
fuzz:
	@bash scripts/install-deps.sh fuzz
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DRAILVANE_FUZZ=ON -DRAILVANE_BENCH=OFF >/dev/null
	@cmake --build build-fuzz --target layout_fuzz -j $(JOBS)
	@bash scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
