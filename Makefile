# Kelvaro: `make run` starts the desktop program, `make test` runs every test.
# Both install missing Debian packages first (scripts/install-deps.sh).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: run test package deps configure build clean format check-format

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/src/kelvaro

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The Debian package kelvaro_<version>_<arch>.deb in the build directory.
package: build
	cmake --build $(BUILD_DIR) --target package

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')

check-format:
	clang-format --dry-run --Werror $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')

clean:
	rm -rf $(BUILD_DIR)
