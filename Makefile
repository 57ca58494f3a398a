# make run      installs what the program needs when missing, builds Vantor alone and starts it
# make install  the same, then installs Vantor, its desktop entry, metainfo, icons and manual page under PREFIX
# make test     installs what the suite needs, builds everything, then runs the whole suite, plainly and under
#               AddressSanitizer and UBSan
# make deb      a Debian package, build-deb/vantor_<version>_<arch>.deb, checked with lintian
# make bench    builds and runs the benchmark program: one table of every figure, also written to docs/bench.md
# make soak     1,000 Runs and 1,000 slot saves and loads: resident memory in the plain build, then the same under
#               AddressSanitizer, LeakSanitizer and UBSan, then the whole suite there with leak detection on
# make translations  updates translations/*.ts from the source: new texts come in unfinished, for a translator
# make fuzz     installs clang when missing, then runs the fuzz target for FUZZ_SECONDS (60) from its committed corpus

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
DEB_BUILD  ?= build-deb
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_import
FUZZ_FLAGS ?= -rss_limit_mb=4096
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja
# The project's own builds fail on a warning; a packager's plain CMake build does not.
OWN        := $(CMAKE_GEN) -DVANTOR_WERROR=ON

.PHONY: all program build build-asan run install translations test test-plain test-asan deb bench soak fuzz screenshot format clean

all: build

# Configured again when this file changes, so an existing build folder picks up new options.
$(BUILD)/build.ninja: Makefile
	@scripts/ensure-deps.sh program
	cmake -S . -B $(BUILD) $(OWN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: Makefile
	@scripts/ensure-deps.sh program
	cmake -S . -B $(ASAN_BUILD) $(OWN) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON

$(FUZZ_BUILD)/build.ninja: Makefile
	@scripts/ensure-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) $(OWN) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON

# The program alone, with what it installs: no test, no benchmark.
program: $(BUILD)/build.ninja
	@scripts/ensure-deps.sh program
	cmake --build $(BUILD) -j $(JOBS) --target vantor vantor_docs

run: program
	./$(BUILD)/vantor

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

translations: $(BUILD)/build.ninja
	cmake --build $(BUILD) --target vantor_translations

build: $(BUILD)/build.ninja
	@scripts/ensure-deps.sh test
	cmake --build $(BUILD) -j $(JOBS)

build-asan: $(ASAN_BUILD)/build.ninja
	@scripts/ensure-deps.sh test
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

# A packager's build: plain CMake, Release, no tests; then the package and lintian's verdict on it.
deb:
	@scripts/ensure-deps.sh deb
	cmake -S . -B $(DEB_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB
	lintian --fail-on error $(DEB_BUILD)/vantor_*.deb

# The benchmark and the soak program are built in the usual folders, configured with them.
bench: $(BUILD)/build.ninja
	@scripts/ensure-deps.sh bench
	cmake -S . -B $(BUILD) -DVANTOR_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	./$(BUILD)/bench/vantor_bench --markdown docs/bench.md

# Any report of a sanitizer stops the program with a failing status; leaks are reported at exit. The suppressions
# name only system libraries.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

soak: $(BUILD)/build.ninja $(ASAN_BUILD)/build.ninja
	@scripts/ensure-deps.sh bench
	cmake -S . -B $(BUILD) -DVANTOR_BENCH=ON
	cmake -S . -B $(ASAN_BUILD) -DVANTOR_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	./$(BUILD)/bench/vantor_soak
	$(SANITIZER_ENV) ./$(ASAN_BUILD)/bench/vantor_soak
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# New inputs go into $(FUZZ_BUILD)/corpus/<target>, crashes into $(FUZZ_BUILD)/crashes/<target>; the committed
# corpus is only read. A crash or a failed check in any target fails the whole run.
fuzz: $(FUZZ_BUILD)/build.ninja
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

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
