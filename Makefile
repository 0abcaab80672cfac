# Every target does its own set-up: missing Debian packages are installed first.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
TEST_BUILD := build/test
RELEASE_BUILD := build/release

FUZZ_BUILD := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps test demo install bench fuzz content clean format

all: demo

deps:
	scripts/install-deps

# Builds everything (benchmarks too, so they cannot rot) with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test.
test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDSUTILS_SANITIZE=ON \
		-DDSUTILS_BUILD_TESTS=ON -DDSUTILS_BUILD_BENCH=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

$(RELEASE_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DDSUTILS_BUILD_TESTS=OFF

DEMO_OUT ?= demo-out

# Builds the program in release mode and runs its demo job: three clips, a themed DVD project
# with titles, chapters and chapter menus, the pictures of its menus, their subpictures and a
# validation report, all in $(DEMO_OUT)/.
demo: deps $(RELEASE_BUILD)/CMakeCache.txt
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target reelmark
	$(RELEASE_BUILD)/apps/reelmark/reelmark demo --out $(DEMO_OUT)

install: deps $(RELEASE_BUILD)/CMakeCache.txt
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cmake --install $(RELEASE_BUILD)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DDSUTILS_BUILD_TESTS=OFF \
		-DDSUTILS_BUILD_BENCH=ON
	cmake --build build/bench -j $(JOBS)

# Builds the fuzz targets with clang's libFuzzer and runs each for FUZZ_SECONDS seconds from
# its committed corpus; an input that fails is written to tests/fuzz/reproducers/<target>/,
# to be committed with its fix.
fuzz:
	scripts/install-deps --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DDSUTILS_BUILD_TESTS=OFF -DDSUTILS_BUILD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Makes the shipped content (pictures, themes, button styles) again from its source in
# scripts/content/; commit what changes.
content: deps
	cmake -S . -B build/tools -DCMAKE_BUILD_TYPE=Release -DDSUTILS_BUILD_TESTS=OFF \
		-DDSUTILS_BUILD_TOOLS=ON
	cmake --build build/tools -j $(JOBS) --target make_content
	build/tools/scripts/content/make_content content

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
