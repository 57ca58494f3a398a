# make run    installs what is missing, builds and starts Vantor
# make test   the same, then the whole suite, plainly and under AddressSanitizer and UBSan
# make bench  builds and runs the benchmark program: one table of every figure, also written to docs/bench.md
# make soak   1,000 Runs and 1,000 slot saves and loads: resident memory in the plain build, then the same under
#             AddressSanitizer, LeakSanitizer and UBSan, then the whole suite there with leak detection on
# make fuzz   installs clang when missing, then runs each fuzz target for FUZZ_SECONDS (60) from its committed corpus
# make install            installs Vantor, its desktop entry, metainfo and icon under PREFIX (/usr/local)

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_settings
# Qt reserves room for a list in a settings value ("@Variant(...)") by the count the value claims, before it finds the
# data short: gigabytes that are never touched, and no fault of Vantor's. So one allocation may be that large; memory
# in use beyond 4 GB still stops the run.
FUZZ_FLAGS ?= -malloc_limit_mb=65536 -rss_limit_mb=4096
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja

.PHONY: all deps deps-fuzz build build-asan run test test-plain test-asan bench soak fuzz screenshot install format \
        clean

all: build

deps:
	@scripts/ensure-deps.sh

deps-fuzz:
	@scripts/ensure-deps.sh fuzz

# Configured again when this file changes, so an existing build folder picks up new options.
$(BUILD)/build.ninja: Makefile | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON

$(ASAN_BUILD)/build.ninja: Makefile | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_WERROR=ON

$(FUZZ_BUILD)/build.ninja: Makefile | deps-fuzz
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVANTOR_FUZZ=ON -DVANTOR_WERROR=ON

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

# New inputs go into $(FUZZ_BUILD)/corpus/<target>, crashes into $(FUZZ_BUILD)/crashes/<target>; the committed
# corpus is only read. A crash or a failed check in any target fails the whole run.
fuzz: deps-fuzz $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for target in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$target $(FUZZ_BUILD)/crashes/$$target || exit 1; \
	    echo "== $$target for $(FUZZ_SECONDS) s"; \
	    QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/tests/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) \
	        -artifact_prefix=$(FUZZ_BUILD)/crashes/$$target/ -print_final_stats=1 \
	        $(FUZZ_BUILD)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

screenshot: build
	scripts/screenshot.sh $(BUILD)/vantor docs/screenshot.png docs/comic.png

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
