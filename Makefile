# Set-up and everyday commands. `make run` and `make test` do everything a
# fresh Debian machine needs: packages, configure, build, the database.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench install package clean

all: build

deps:
	bash scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kestrelway

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# make install PREFIX=/usr/local (DESTDIR=... stages it elsewhere).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The .deb and the portable .tar.gz, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

bench: configure
	bash scripts/run-bench

clean:
	rm -rf $(BUILD)
