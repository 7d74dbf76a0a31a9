# Lunespiral: the two commands a newcomer needs are `make run` and `make test`.

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local

# Everything building, running and testing needs on Debian 12.
PAQUETS := cmake g++ make pkgconf qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev \
           xvfb xauth imagemagick fonts-liberation2 fonts-dejavu-core \
           desktop-file-utils appstream groff-base dpkg-dev file

CMAKE_OPTIONS ?=

.PHONY: all deps build run test test-asan bench install package clean

all: build

deps:
	@manquants=""; \
	for p in $(PAQUETS); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q "install ok installed" || manquants="$$manquants $$p"; \
	done; \
	if [ -z "$$manquants" ]; then exit 0; fi; \
	if [ "$$(id -u)" -eq 0 ]; then \
	    echo "Installing:$$manquants"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$manquants; \
	else \
	    echo "Some packages are missing. Install them with:"; \
	    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends$$manquants"; \
	    exit 1; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "Lunespiral is a desktop program and needs a display (try: xvfb-run make run). Here is a reading in the terminal instead:"; \
	    echo; \
	    exec $(BUILD)/bin/lunespiral-tirage croix; \
	fi; \
	exec $(BUILD)/bin/lunespiral

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer. Qt and fontconfig are not
# instrumented; the suppressions file names only frames inside those libraries.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DLUNESPIRAL_SANITIZE=ON $(CMAKE_OPTIONS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DLUNESPIRAL_BENCH=ON -DLUNESPIRAL_TESTS=OFF $(CMAKE_OPTIONS)
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# The programs and their data files in $(PREFIX)/lib/lunespiral, links in $(PREFIX)/bin, the
# desktop entry, metadata, icons and manual pages under $(PREFIX)/share. DESTDIR is honoured.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package of the same tree, under /usr, written into $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB
	@ls -1 $(BUILD)/*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH)
