# SPDX-License-Identifier: GPL-3.0-or-later
# Quillet: the two everyday commands are `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Lets ccache (when present) share compiled objects between checkouts in other folders.
export CCACHE_BASEDIR ?= $(CURDIR)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# The sanitizer and fuzzing builds each keep a folder of their own.
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := text-lines history settings-values archive
# `make install` goes to /usr/local unless PREFIX says otherwise; DESTDIR stages it.
PREFIX ?=
# The Debian package is built in a folder of its own, with Debian's build flags.
DEB_DIR ?= build-deb

.PHONY: all deps configure build run test bench data clean install package lint-package test-asan fuzz

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/quillet

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The peers the program benchmark compares with are installed for it alone.
bench: build
	@tools/install-deps.sh sdcv stardict-tools
	$(BUILD_DIR)/bench/quillet-program-bench
	bench/kill-during-load.sh $(BUILD_DIR)/bin 300
	bench/bus-bench.sh $(BUILD_DIR)/bin
	bench/kill-during-terms-save.sh $(BUILD_DIR)/bin 300
	$(BUILD_DIR)/bench/quillet-terms-bench
	$(BUILD_DIR)/bench/quillet-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/quillet-keystroke-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/quillet-word-forms-bench

install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# A Debian package, $(DEB_DIR)/quillet_<version>_<arch>.deb, of what `make install`
# installs under /usr, built with the flags dpkg-buildflags gives (hardening included).
package: deps
	@cmake -S . -B $(DEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	  -DQUILLET_DEBIAN_PACKAGE=ON -DQUILLET_TESTS=OFF >/dev/null
	@cmake --build $(DEB_DIR) -j $(JOBS) --target package

# Debian's package checker on the package: any error or warning fails, the info tags
# are shown.
lint-package: package
	@tools/install-deps.sh lintian
	lintian --fail-on error,warning --display-info $(DEB_DIR)/quillet_*.deb

# The whole suite built with AddressSanitizer and UBSan; the first fault stops the test.
# The tools the build runs (the packer, the picture drawer) are checked the same way.
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0:use_tls=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Runs each libFuzzer target for FUZZ_SECONDS from the seeds under tests/fuzz/<target>;
# what it learns stays in $(FUZZ_DIR)/corpus, a crashing input in $(FUZZ_DIR)/crashes.
# AddressSanitizer keeps freed memory aside to catch late uses of it, 256 MB by default,
# which fills over the first minute and looks like steady growth; a smaller quarantine
# still catches them, and a target whose memory really grows past FUZZ_RSS_MB fails.
FUZZ_RSS_MB ?= 256
fuzz: deps
	@tools/install-deps.sh clang libclang-rt-14-dev
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUILLET_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix quillet-fuzz-,$(FUZZ_TARGETS))
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/crashes || exit 1; \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  ASAN_OPTIONS=quarantine_size_mb=16 $(FUZZ_DIR)/fuzz/quillet-fuzz-$$t -max_total_time=$(FUZZ_SECONDS) \
	    -rss_limit_mb=$(FUZZ_RSS_MB) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/crashes/$$t- $(FUZZ_DIR)/corpus/$$t tests/fuzz/$$t || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz targets that failed:$$failed (inputs in $(FUZZ_DIR)/crashes)"; exit 1; fi

# Regenerates the shipped dictionary under data/ from the source data (SOURCES), WordNet,
# the glossary and the stop list.
SOURCES ?= ../shared/data
data: configure
	@tools/install-deps.sh wordnet-base
	@cmake --build $(BUILD_DIR) --target quillet-gendict
	$(BUILD_DIR)/tools/quillet-gendict --sources $(SOURCES) --wordnet /usr/share/wordnet \
		--stoplist tools/gendict/stoplist.txt --glossary data/glossary --out data

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(DEB_DIR)
