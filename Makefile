# make run      installs what is missing, builds the program alone and starts it
# make test     installs what is missing, builds and runs every test
# make install  builds the program and installs it under PREFIX (default /usr/local; DESTDIR
#               is honoured)
# make package  builds a Debian package with CPack
# make bench    builds and runs the benchmarks
# make tidy     builds, then runs clang-tidy with .clang-tidy's checks over src/, tests/ and bench/
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps build program run test install package bench clean format-check tidy

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program and what it ships (icons, help pages), without the tests and benchmarks.
program: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target krellix

run: program
	./$(BUILD)/src/app/krellix $(ARGS)

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

package: program
	cd $(BUILD) && cpack -G DEB

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
