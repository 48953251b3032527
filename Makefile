BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench package install format clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	scripts/run $(BUILD_DIR)/tessavundo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD_DIR)
