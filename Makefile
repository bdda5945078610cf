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
# The Debian package is built in a folder of its own, from the release tarball and
# debian/ of the last commit; the release tarball goes to DIST_DIR.
DEB_DIR ?= build-deb
DIST_DIR ?= dist
VERSION := $(shell sed -n 's/^project.Quillet VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
TARBALL := $(DIST_DIR)/quillet-$(VERSION).tar.gz

.PHONY: all deps configure build run test bench data clean install dist package lint-package test-package \
  reproducible lint-reuse test-asan fuzz

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

# The release tarball of the last commit, quillet-VERSION.tar.gz, which debian/watch finds
# beside each tag vVERSION and dpkg-source takes as the .orig tarball: the tree as git
# has it (the generated dictionary under data/ included), without debian/, with the
# files' times those of the commit and no name or time in the compression.
dist:
	@mkdir -p $(DIST_DIR)
	git archive --format=tar --prefix=quillet-$(VERSION)/ HEAD -- . ':!debian' | gzip -9 -n >$(TARBALL)
	@echo "$(TARBALL)"

# The Debian source and binary packages, built by dpkg-buildpackage (debian/) in
# $(DEB_DIR) from the release tarball and debian/ of the last commit, after installing
# what debian/control asks for. DEB_BUILD_OPTIONS passes on (nocheck leaves the tests
# out); the build uses JOBS processors.
DEB_SOURCE_DIR := $(DEB_DIR)/quillet-$(VERSION)
package: dist
	@tools/install-deps.sh --build-deps-of debian/control
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)
	cp $(TARBALL) $(DEB_DIR)/quillet_$(VERSION).orig.tar.gz
	tar -xzf $(TARBALL) -C $(DEB_DIR)
	git archive --format=tar HEAD debian | tar -xf - -C $(DEB_SOURCE_DIR)
	cd $(DEB_SOURCE_DIR) && DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -us -uc
	@ls $(DEB_DIR)/*.changes $(DEB_DIR)/*.deb

# Debian's package checker on the .changes (the source and binary packages) as a
# sponsor runs it: any error or warning fails; the tags it still shows are explained in
# debian/source/lintian-overrides and debian/quillet.lintian-overrides.
lint-package: package
	@tools/install-deps.sh lintian
	lintian --pedantic -E -i --fail-on error,warning $(DEB_DIR)/quillet_*.changes

# The installed package's own tests (debian/tests) run on this machine, which gets the
# package installed (root or sudo).
test-package: package
	@tools/install-deps.sh autopkgtest
	autopkgtest $(DEB_DIR)/quillet_*.changes -- null

# The package built twice in two folders gives the same bytes: the .deb files' hashes
# are compared, and diffoscope shows what differs when they are not.
reproducible: dist
	@tools/install-deps.sh diffoscope-minimal
	$(MAKE) package DEB_DIR=$(DEB_DIR)-1 DEB_BUILD_OPTIONS="nocheck $(DEB_BUILD_OPTIONS)"
	$(MAKE) package DEB_DIR=$(DEB_DIR)-2 DEB_BUILD_OPTIONS="nocheck $(DEB_BUILD_OPTIONS)"
	@cd $(DEB_DIR)-1 && sha256sum *.deb
	@status=0; for deb in $(DEB_DIR)-1/*.deb; do \
	  cmp -s $$deb $(DEB_DIR)-2/$$(basename $$deb) || { diffoscope $$deb $(DEB_DIR)-2/$$(basename $$deb); status=1; }; \
	done; if [ $$status = 0 ]; then echo "both builds are byte for byte the same"; fi; exit $$status

# Every file of the tree names its copyright and licence, itself or in REUSE.toml.
lint-reuse:
	@tools/install-deps.sh reuse
	tools/release/reuse-lint.sh .

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
# the glossary and the stop list; every word of the glossary is checked with hunspell.
SOURCES ?= ../shared/data
data: configure
	@tools/install-deps.sh wordnet-base hunspell hunspell-ro hunspell-en-us
	@cmake --build $(BUILD_DIR) --target quillet-gendict
	$(BUILD_DIR)/tools/quillet-gendict --sources $(SOURCES) --wordnet /usr/share/wordnet \
		--stoplist tools/gendict/stoplist.txt --glossary data/glossary --spelling /usr/share/hunspell --out data

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(DEB_DIR) $(DEB_DIR)-1 $(DEB_DIR)-2 $(DIST_DIR)
