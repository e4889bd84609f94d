# Set-up and everyday commands. `make run` and `make test` do everything a
# fresh Debian machine needs: packages, configure, build, the database. The
# other targets install no Debian package (`make deps` does that alone).
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench install uninstall package clean

all: build

deps:
	bash scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps
	$(MAKE) build
	./$(BUILD)/kestrelway

test: deps
	$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# make install PREFIX=/usr/local (DESTDIR=... stages it elsewhere). What it
# puts down is listed in $(BUILD)/install_manifest.txt, which `make
# uninstall` removes again (with the same PREFIX and DESTDIR), with the
# folders below the prefix that it leaves empty.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)" >&2; exit 1; }
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -d '\n' rm -f --
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | while IFS= read -r f; do \
	  d=$${f%/*}; \
	  while [ "$${d#$(DESTDIR)$(PREFIX)/}" != "$$d" ] && rmdir "$$d" 2> /dev/null; do d=$${d%/*}; done; \
	done
	rm -f $(BUILD)/install_manifest.txt

# The .deb and the portable .tar.gz, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

bench: configure
	bash scripts/run-bench

clean:
	rm -rf $(BUILD)
