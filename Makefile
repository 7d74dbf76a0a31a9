# Lunespiral: the two commands a newcomer needs are `make run` and `make test`.

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local

# Everything building, running and testing needs on Debian 12.
PAQUETS := cmake g++ make pkgconf qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev \
           xvfb xauth imagemagick fonts-liberation2 fonts-dejavu-core \
           desktop-file-utils appstream groff-base dpkg-dev file lintian clang-format poppler-utils \
           qt6-translations-l10n

CMAKE_OPTIONS ?=

.PHONY: all deps build run test test-asan bench install package paquet-seul clean format format-check

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

# Tests build with every warning an error (LUNESPIRAL_WERROR); a plain build does not, so that a
# compiler's false alarm never stops someone building the program.
# Where lintian is installed, the Debian package must pass it without an error or a warning.
test: deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DLUNESPIRAL_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if command -v lintian >/dev/null 2>&1; then \
	    $(MAKE) --no-print-directory paquet-seul && \
	    echo "== lintian" && lintian --fail-on error,warning $(BUILD)/lunespiral_*.deb && echo "lintian: clean"; \
	else echo "lintian is not installed: the package is not checked"; fi

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer. Qt and fontconfig are not
# instrumented and keep a few allocations until exit; the suppressions file names those by
# their own functions, which needs whole stacks through Qt (built without frame pointers): the
# slow unwinder.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DLUNESPIRAL_SANITIZE=ON -DLUNESPIRAL_WERROR=ON $(CMAKE_OPTIONS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

# Optimised as the program is shipped (-O2).
bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNESPIRAL_BENCH=ON -DLUNESPIRAL_TESTS=OFF $(CMAKE_OPTIONS)
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# The programs and their data files in $(PREFIX)/lib/lunespiral, links in $(PREFIX)/bin, the
# desktop entry, metadata, icons and manual pages under $(PREFIX)/share. DESTDIR is honoured.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package of the same tree, under /usr, written into $(BUILD).
package: build paquet-seul

paquet-seul:
	rm -f $(BUILD)/lunespiral_*.deb
	cd $(BUILD) && cpack -G DEB >/dev/null
	@ls -1 $(BUILD)/*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH)

# Our C++ sources, laid out by the committed .clang-format; format-check fails on any file that
# is not (CI runs it first).
SOURCES_CPP = $(shell git ls-files -- $(foreach d,engine ui app tools tests bench fuzz packaging,'$(d)/*.cpp' '$(d)/*.h'))

format:
	clang-format -i $(SOURCES_CPP)

format-check:
	@clang-format --dry-run --Werror $(SOURCES_CPP) && echo "format-check: $(words $(SOURCES_CPP)) files formatted"

# Fuzzing: the data-file loader, the settings store, the command line of lunespiral-tirage and
# the help viewer's look at a help file, each for FUZZ_SECONDS, with libFuzzer (clang),
# AddressSanitizer and UndefinedBehaviorSanitizer. Seeds: fuzz/corpus/<target>, plus the data
# and help files of the build; fuzz/<target>.dict, where there is one, is the dictionary. What
# the fuzzers learn stays in $(BUILD_FUZZ)/corpus and is reused by the next run. A failing
# input lands in $(BUILD_FUZZ)/artefacts and fails the target.
BUILD_FUZZ   ?= build-fuzz
FUZZ_SECONDS ?= 60
PAQUETS_FUZZ := clang libclang-rt-14-dev
FUZZERS      := fuzz_donnees fuzz_reglages fuzz_arguments fuzz_aide

.PHONY: fuzz
fuzz:
	$(MAKE) deps PAQUETS="$(PAQUETS) $(PAQUETS_FUZZ)"
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS) --target lunespiral_donnees
	CC=clang CXX=clang++ cmake -S fuzz -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@# Both data files of each language behind the header: flags, the pair file's length, a seed.
	@mkdir -p $(BUILD_FUZZ)/graines/fuzz_donnees $(BUILD_FUZZ)/artefacts
	@{ printf '\000\200\004\004\000\052\000\000\000'; cat $(BUILD)/bin/tbc $(BUILD)/bin/tbb; } \
	    > $(BUILD_FUZZ)/graines/fuzz_donnees/complet-fr
	@{ printf '\001\200\004\004\000\007\000\000\000'; cat $(BUILD)/bin/tbcus $(BUILD)/bin/tbbus; } \
	    > $(BUILD_FUZZ)/graines/fuzz_donnees/complet-en
	@# The help files as the build writes them.
	@mkdir -p $(BUILD_FUZZ)/graines/fuzz_aide
	@cp $(BUILD)/bin/lunespfr.hlp $(BUILD)/bin/lunespus.hlp $(BUILD_FUZZ)/graines/fuzz_aide/
	@# The temporary files go to memory when it can: QSettings syncs every file it writes.
	@tmp=/dev/shm; [ -d $$tmp ] && [ -w $$tmp ] || tmp=$${TMPDIR:-/tmp}; \
	for f in $(FUZZERS); do \
	    mkdir -p $(BUILD_FUZZ)/corpus/$$f; \
	    echo "== $$f, $(FUZZ_SECONDS) s"; \
	    graines=; [ -d $(BUILD_FUZZ)/graines/$$f ] && graines=$(BUILD_FUZZ)/graines/$$f; \
	    dico=; [ -f fuzz/$$f.dict ] && dico=-dict=fuzz/$$f.dict; \
	    TMPDIR=$$tmp $(BUILD_FUZZ)/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	        -print_final_stats=1 -artifact_prefix=$(BUILD_FUZZ)/artefacts/ $$dico \
	        $(BUILD_FUZZ)/corpus/$$f fuzz/corpus/$$f $$graines > $(BUILD_FUZZ)/$$f.log 2>&1; \
	    code=$$?; \
	    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units|^Done' $(BUILD_FUZZ)/$$f.log; \
	    if [ $$code -ne 0 ]; then tail -n 60 $(BUILD_FUZZ)/$$f.log; echo "$$f failed: see $(BUILD_FUZZ)/artefacts"; exit 1; fi; \
	done
