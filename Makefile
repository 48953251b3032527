# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# The targets call each other through sub-makes; their "Entering directory" lines tell a user
# nothing.
MAKEFLAGS += --no-print-directory
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
FUZZ_TARGETS = rgb_reader_fuzz channel_readers_fuzz hex_reader_fuzz color_text_fuzz locate_fuzz \
               shade_field_fuzz

.PHONY: all deps deps-run compile build run test test-sanitize lint fuzz valgrind bench package \
        install screenshot translations format clean windows-qt windows windows-installer test-windows \
        test-arch package-arch

all: build

# The packages of running the picker, or of everything the tests and tools use as well.
deps-run:
	scripts/install-deps run

deps:
	scripts/install-deps test

# The build is that of a preset of CMakePresets.json: release (with the tests), package (only
# what is installed) or debug; hardened as Debian builds its own packages, with the flags of
# dpkg-buildflags (package_flags_test keeps the presets in step with them). TESTING=OFF builds
# only the program and what is installed with it; WERROR=ON (as CI builds) makes every compiler
# warning an error.
PRESET ?= release
TESTING ?= ON
WERROR ?= OFF
compile:
	cmake --preset $(PRESET) -B $(BUILD_DIR) -DBUILD_TESTING=$(TESTING) \
		-DTESSAVUNDO_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

build: deps
	$(MAKE) compile

run: deps-run
	$(MAKE) compile TESTING=OFF
	scripts/run $(BUILD_DIR)/tessavundo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-windows

# The Windows build, cross-compiled with mingw-w64 against a Windows Qt that
# scripts/build-windows-qt keeps in a cache folder (from ../shared/windows/ when that holds the
# prebuilt archive, else built from source once: 30-60 minutes on 2 cores).
WINDOWS_DIR ?= build-windows
WINDOWS_QT = $$(scripts/build-windows-qt $(WINDOWS_QT_MODE) | tail -n 1)
WINDOWS_QT_MODE ?=
define configure-windows
	prefix=$(WINDOWS_QT) && cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DCMAKE_PREFIX_PATH="$$prefix" \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
		-DCMAKE_CROSSCOMPILING_EMULATOR=wine -DBUILD_TESTING=$(TESTING)
endef

windows-qt: deps
	scripts/build-windows-qt

# build-windows/Tessavundo-<version>-windows-x64.zip: the program with every DLL it needs.
windows: deps
	$(configure-windows)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_zip

# build-windows/Tessavundo-<version>-setup.exe, the NSIS installer.
windows-installer: deps
	$(configure-windows)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_installer

# The label windows under Wine: when no Windows Qt is at hand (neither in the cache nor as the
# prebuilt archive), they are reported as skipped; building Qt from source is left to
# make windows-qt.
test-windows: deps
	@if ! scripts/build-windows-qt --no-source >/dev/null; then \
		echo "SKIPPED: the windows tests (label windows): no Windows Qt in the cache or in"; \
		echo "  ../shared/windows; make windows-qt builds it from source (30-60 minutes)"; \
	else \
		$(MAKE) configure-windows-tests && \
		cmake --build $(WINDOWS_DIR) -j $(JOBS) && \
		cmake --build $(WINDOWS_DIR) --target windows_zip windows_installer && \
		tests/windows/with-wine ctest --test-dir $(WINDOWS_DIR) -L windows \
			--output-on-failure -j $(JOBS); \
	fi

.PHONY: configure-windows-tests
configure-windows-tests:
	$(configure-windows)

# The color core cross-built for another Debian architecture (arm64, i386 or s390x) and its
# tests run there under qemu-user: the shade field, the locate routine and the pixel byte order
# must come out the same as on x86-64. Only the core is built (no Qt), GoogleTest from its
# sources with the cross compiler. On arm64 and s390x (the other byte order) the window tests
# that draw and read the bitmap follow, against the target's Debian Qt unpacked by
# scripts/cross-sysroot, on the offscreen platform.
ARCH ?= arm64
ARCH_DIR ?= build-$(ARCH)
# ARCH_GUI=OFF leaves the window tests out (CI: on arm64, whose byte order is x86-64's).
ARCH_GUI ?= ON
ARCH_GUI_DIR ?= build-$(ARCH)-gui
ARCH_GUI_TESTS = picture_box_paint_test shade_field_pick_test swatches_test \
                 eyedropper_sampling_test startup_test
test-arch:
	@test -f cmake/linux-$(ARCH).cmake || { echo "ARCH must be arm64, i386 or s390x" >&2; exit 2; }
	scripts/install-deps cross
	cmake -S . -B $(ARCH_DIR) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/linux-$(ARCH).cmake -DTESSAVUNDO_CORE_ONLY=ON \
		-DTESSAVUNDO_GTEST_SOURCE=/usr/src/googletest -DTESSAVUNDO_WERROR=$(WERROR)
	cmake --build $(ARCH_DIR) -j $(JOBS)
	ctest --test-dir $(ARCH_DIR) -L core --output-on-failure -j $(JOBS)
	@if [ "$(ARCH)" != i386 ] && [ "$(ARCH_GUI)" = ON ]; then $(MAKE) test-arch-gui; fi

.PHONY: test-arch-gui
test-arch-gui:
	sysroot=$$(scripts/cross-sysroot $(ARCH) | tail -n 1) && \
	cmake -S . -B $(ARCH_GUI_DIR) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/linux-$(ARCH).cmake \
		-DTESSAVUNDO_CROSS_SYSROOT="$$sysroot" \
		-DTESSAVUNDO_GTEST_SOURCE=/usr/src/googletest -DTESSAVUNDO_WERROR=$(WERROR)
	cmake --build $(ARCH_GUI_DIR) -j $(JOBS) --target $(ARCH_GUI_TESTS)
	@# qemu-user maps the target's files into the root, but not the listing of Qt's plugin folder.
	QT_PLUGIN_PATH=$$(echo $$(scripts/cross-sysroot $(ARCH) | tail -n 1)/usr/lib/*/qt6/plugins) \
	ctest --test-dir $(ARCH_GUI_DIR) -R '^($(shell echo $(ARCH_GUI_TESTS) | tr ' ' '|'))$$' \
		--output-on-failure -j $(JOBS)

# The Debian package cross-built for another architecture (arm64, i386 or s390x), hardened as
# make package builds it, against the target's Debian Qt unpacked by scripts/cross-sysroot:
# build-package-<arch>/tessavundo_<version>_<arch>.deb. Its check follows: the architecture of
# the control file and of the program's machine code, the files, and the dependencies resolved
# among the target's packages.
ARCH_PACKAGE_DIR ?= build-package-$(ARCH)
package-arch:
	@test -f cmake/linux-$(ARCH).cmake || { echo "ARCH must be arm64, i386 or s390x" >&2; exit 2; }
	scripts/install-deps cross
	sysroot=$$(scripts/cross-sysroot $(ARCH) | tail -n 1) && \
	cmake --preset package -B $(ARCH_PACKAGE_DIR) \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/linux-$(ARCH).cmake \
		-DTESSAVUNDO_CROSS_SYSROOT="$$sysroot" -DTESSAVUNDO_WERROR=$(WERROR)
	cmake --build $(ARCH_PACKAGE_DIR) -j $(JOBS) --target package
	ctest --test-dir $(ARCH_PACKAGE_DIR) -R '^debian_package_test$$' --output-on-failure

# The core and window tests with AddressSanitizer, UndefinedBehaviorSanitizer and leak checks.
# The e2e tests stay out: the X client libraries of the real program leak on their own.
test-sanitize: deps
	cmake --preset sanitize -B $(SANITIZE_DIR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1 ctest -L 'core|gui' --output-on-failure -j $(JOBS)

# Formatting of every C++ file, clang-tidy and clazy over the product code, on the compile
# commands of the build folder as it is (CI: after make test), so that its flags stay as they
# were built.
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

# The package and the install build only what is installed, in a folder of their own so that
# the test build keeps its settings.
PACKAGE_DIR ?= build-package

# The Debian package, build-package/tessavundo_<version>_<arch>.deb:
# apt-get install ./build-package/*.deb
package: deps-run
	$(MAKE) compile PRESET=package BUILD_DIR=$(PACKAGE_DIR) TESTING=OFF
	cmake --build $(PACKAGE_DIR) --target package

# Installs under PREFIX, /usr/local unless given: make install PREFIX=~/.local
PREFIX ?= /usr/local
install: deps-run
	$(MAKE) compile PRESET=package BUILD_DIR=$(PACKAGE_DIR) TESTING=OFF
	cmake --install $(PACKAGE_DIR) --prefix $(PREFIX)

# Every benchmark, one table of figures against their goals, also written to docs/.
bench: build
	$(BUILD_DIR)/performance_table --build-dir $(BUILD_DIR) --source-dir . \
		--output docs/performance.md

# The screenshot of the AppStream record, docs/screenshots/main-window.png, taken under Xvfb.
screenshot: deps-run
	$(MAKE) compile PRESET=package BUILD_DIR=$(PACKAGE_DIR) TESTING=OFF
	scripts/screenshot $(PACKAGE_DIR)/tessavundo docs/screenshots/main-window.png

# Brings the template translations/tessavundo.ts and every translations/tessavundo_<language>.ts
# up to date with the texts of the code, with where each is used and the comments written for
# translators; the translator then fills in what is new (translation_files_test fails until
# then).
# The program's folders: each top-level folder that builds something, but the tests and tools.
PROGRAM_FOLDERS = $(filter-out tests bench fuzz cmake resources, \
                               $(patsubst %/CMakeLists.txt,%,$(wildcard */CMakeLists.txt)))
translations:
	/usr/lib/qt6/bin/lupdate -I . -no-obsolete -locations relative $(PROGRAM_FOLDERS) \
		-ts translations/tessavundo.ts translations/tessavundo_*.ts

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(PACKAGE_DIR) $(WINDOWS_DIR) \
		build-arm64 build-i386 build-s390x build-arm64-gui build-s390x-gui
