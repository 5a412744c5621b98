# make run [CHART=path.qbs]   set up, build the program (Release, in build/) and start it
# make test                   set up, build every test (Test build type, in build-test/) and run it
# make test-sanitize          the same with AddressSanitizer and UBSan (in build-sanitize/)
# make package                set up, build the program and make its Debian package in build/
BUILD ?= build
JOBS ?= $(shell nproc)
GENERATOR ?= Ninja
# A build folder keeps the generator it was first configured with.
generator = $(if $(wildcard $(1)/CMakeCache.txt),,-G $(GENERATOR))

.PHONY: run test test-sanitize build setup package bench fuzz clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) $(call generator,$(BUILD)) -DCMAKE_BUILD_TYPE=Release -DQUOBRIX_TESTS=OFF > /dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target quobrix

run: build
	@$(BUILD)/quobrix $(CHART)

test:
	@bash scripts/setup.sh test
	@cmake -S . -B $(BUILD)-test $(call generator,$(BUILD)-test) -DCMAKE_BUILD_TYPE=Test > /dev/null
	@cmake --build $(BUILD)-test -j $(JOBS)
	@cd $(BUILD)-test && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	@bash scripts/setup.sh test
	@cmake -S . -B $(BUILD)-sanitize $(call generator,$(BUILD)-sanitize) -DCMAKE_BUILD_TYPE=Test -DQUOBRIX_SANITIZE=ON > /dev/null
	@cmake --build $(BUILD)-sanitize -j $(JOBS)
	@cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS)

package: build
	@bash scripts/setup.sh package
	@cd $(BUILD) && cpack -G DEB

bench:
	@bash scripts/setup.sh bench
	@cmake -S . -B $(BUILD)-bench $(call generator,$(BUILD)-bench) -DCMAKE_BUILD_TYPE=Release -DQUOBRIX_TESTS=OFF -DQUOBRIX_BENCH=ON > /dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)

# make fuzz [FUZZ_SECONDS=600]   run every fuzz target (clang, ASan, UBSan), each from its
#                               seeds in fuzz/corpus/<target> and what earlier runs found
FUZZ_SECONDS ?= 60
fuzz:
	@bash scripts/setup.sh fuzz
	@CXX=clang++ cmake -S . -B $(BUILD)-fuzz $(call generator,$(BUILD)-fuzz) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOBRIX_TESTS=OFF -DQUOBRIX_FUZZ=ON > /dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_ChartFileFuzzer fuzz_FragmentFuzzer fuzz_ProfileFileFuzzer fuzz_CodeReaderFuzzer fuzz_UserLibraryFuzzer
	@for f in ChartFileFuzzer FragmentFuzzer ProfileFileFuzzer CodeReaderFuzzer UserLibraryFuzzer; do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$f; \
	  $(BUILD)-fuzz/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 $(BUILD)-fuzz/corpus/$$f fuzz/corpus/$$f || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(BUILD)-test $(BUILD)-sanitize $(BUILD)-bench $(BUILD)-fuzz
