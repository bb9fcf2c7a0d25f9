BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build bench fuzz test-sanitize format format-check clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the game and what it links: a player does not wait for the test programs.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tavorin
	@scripts/run-game $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tavorin-bench-headless tavorin tavorin-bench-minimal tavorin-bench-app
	@bench/run-bench.sh build-bench

fuzz:
	@fuzz/run-fuzz.sh

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# Every C++ file in the style of .clang-format; format-check fails on the first file that differs.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@command -v clang-format >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD)
