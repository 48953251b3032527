BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
FUZZ_TARGETS = rgb_reader_fuzz channel_readers_fuzz hex_reader_fuzz color_text_fuzz locate_fuzz \
               shade_field_fuzz

.PHONY: all deps deps-run compile build run test test-sanitize lint fuzz valgrind bench package \
        install format clean

all: build

# The packages of running the picker, or of everything the tests and tools use as well.
deps-run:
	scripts/install-deps run

deps:
	scripts/install-deps test

# TESTING=OFF builds only the program and what is installed with it; WERROR=ON (as CI builds)
# makes every compiler warning an error.
TESTING ?= ON
WERROR ?= OFF
compile:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$(TESTING) \
		-DTESSAVUNDO_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

build: deps
	$(MAKE) compile

run: deps-run
	$(MAKE) compile TESTING=OFF
	scripts/run $(BUILD_DIR)/tessavundo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The core and window tests with AddressSanitizer, UndefinedBehaviorSanitizer and leak checks.
# The e2e tests stay out: the X client libraries of the real program leak on their own.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAVUNDO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1 ctest -L 'core|gui' --output-on-failure -j $(JOBS)

# Formatting of every C++ file and clang-tidy over the product code, on the compile commands of
# the build folder as it is (CI: after make test), so that its flags stay as they were built.
lint: deps
	scripts/lint $(BUILD_DIR)

# Each fuzz target for FUZZ_SECONDS, starting from the seeds in fuzz/corpus; what they find
# grows a working corpus in $(FUZZ_DIR)/corpus, and an input that breaks a property is kept
# as $(FUZZ_DIR)/crash-*.
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
		-DTESSAVUNDO_FUZZING=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	set -e; for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$target; \
		$(FUZZ_DIR)/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/ \
			$(FUZZ_DIR)/corpus/$$target fuzz/corpus/$$target; \
	done

# memcheck of the real program: start-up, a few interactions and shut-down on an X server of
# its own.
valgrind: build
	tests/e2e/with-xvfb --wm scripts/valgrind-session $(BUILD_DIR)/tessavundo

# The Debian package, build/tessavundo_<version>_<arch>.deb: apt-get install ./build/*.deb
package: build
	cmake --build $(BUILD_DIR) --target package

# Installs under PREFIX, /usr/local unless given: make install PREFIX=~/.local
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Every benchmark, one table of figures against their goals, also written to docs/.
bench: build
	$(BUILD_DIR)/performance_table --build-dir $(BUILD_DIR) --source-dir . \
		--output docs/performance.md

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
