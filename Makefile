# Quillet: the two everyday commands are `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Lets ccache (when present) share compiled objects between checkouts in other folders.
export CCACHE_BASEDIR ?= $(CURDIR)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench data clean

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

bench: build
	$(BUILD_DIR)/bench/quillet-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/quillet-first-list-bench

# Regenerates the shipped dictionary under data/ from ../shared/data, WordNet and the stop list.
data: configure
	@tools/install-deps.sh wordnet-base
	@cmake --build $(BUILD_DIR) --target quillet-gendict
	$(BUILD_DIR)/tools/quillet-gendict --sources ../shared/data --wordnet /usr/share/wordnet \
		--stoplist tools/gendict/stoplist.txt --out data

clean:
	rm -rf $(BUILD_DIR)
