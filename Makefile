# make run   installs what is missing, builds and starts Krellix
# make test  installs what is missing, builds and runs every test
# make bench builds and runs the benchmarks
# make tidy  builds, then runs clang-tidy with .clang-tidy's checks over src/, tests/ and bench/
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean format-check tidy

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/app/krellix $(ARGS)

test: build format-check
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format-check: deps
	@./scripts/check-format.sh

bench: build
	./bench/run.sh $(BUILD)

tidy: build
	./scripts/tidy.sh $(BUILD) $(JOBS)

clean:
	rm -rf $(BUILD)
