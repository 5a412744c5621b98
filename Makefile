# make run [CHART=path.qbs]   set up, build and start the program
# make test                   set up, build and run every test
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup bench fuzz clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/quobrix $(CHART)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: setup
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DQUOBRIX_TESTS=OFF -DQUOBRIX_BENCH=ON > /dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)

# make fuzz [FUZZ_SECONDS=600]   run every fuzz target (clang, ASan, UBSan)
FUZZ_SECONDS ?= 60
fuzz:
	@bash scripts/setup.sh fuzz
	@CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOBRIX_TESTS=OFF -DQUOBRIX_FUZZ=ON > /dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_ChartFileFuzzer fuzz_FragmentFuzzer fuzz_ProfileFileFuzzer fuzz_CodeReaderFuzzer fuzz_UserLibraryFuzzer
	@for f in ChartFileFuzzer FragmentFuzzer ProfileFileFuzzer CodeReaderFuzzer UserLibraryFuzzer; do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$f; \
	  $(BUILD)-fuzz/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 $(BUILD)-fuzz/corpus/$$f fuzz/corpus || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz
