# make run [CHART=path.qbs]   set up, build and start the program
# make test                   set up, build and run every test
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup bench clean

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

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz
