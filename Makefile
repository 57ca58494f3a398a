# make run    installs what is missing, builds and starts Vantor
# make test   the same, then the whole suite, plainly and under AddressSanitizer and UBSan
# make bench  builds and runs the benchmark program: one table of every figure, also written to docs/bench.md
# make soak   1,000 Runs and 1,000 slot saves and loads: resident memory in the plain build, then the same under
#             AddressSanitizer, LeakSanitizer and UBSan, then the whole suite there with leak detection on
# make install            installs Vantor, its desktop entry, metainfo and icon under PREFIX (/usr/local)

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja

.PHONY: all deps build build-asan run test test-plain test-asan bench soak screenshot install format clean

all: build

deps:
	@scripts/ensure-deps.sh

# Configured again when this file changes, so an existing build folder picks up new options.
$(BUILD)/build.ninja: Makefile | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON

$(ASAN_BUILD)/build.ninja: Makefile | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/vantor

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

bench: build
	./$(BUILD)/bench/vantor_bench --markdown docs/bench.md

# Any report of a sanitizer stops the program with a failing status; leaks are reported at exit. The suppressions
# name only system libraries.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

soak: build build-asan
	./$(BUILD)/bench/vantor_soak
	$(SANITIZER_ENV) ./$(ASAN_BUILD)/bench/vantor_soak
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

screenshot: build
	scripts/screenshot.sh $(BUILD)/vantor docs/screenshot.png docs/comic.png

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
