# make run      installs what is missing, builds the program alone and starts it
# make test     installs what is missing, builds and runs every test
# make install  builds the program and installs it under PREFIX (default /usr/local; DESTDIR
#               is honoured)
# make package  builds a Debian package with CPack
# make bench    builds and runs the benchmarks
# make tsan     builds the core test programs with ThreadSanitizer in build-tsan and runs them
# make tidy     builds, then runs clang-tidy with .clang-tidy's checks over src/, tests/ and bench/
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps build program run test install package bench clean format-check tidy tsan

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

# Not part of `make test`: a second build of the core and its tests, every thread race reported
# as a failure. The window tests are left out: Qt itself is not built for ThreadSanitizer.
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRELLIX_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS) --target core_tests
	cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest -L core --output-on-failure -j $(JOBS)

tidy: build
	./scripts/tidy.sh $(BUILD) $(JOBS)

clean:
	rm -rf $(BUILD) build-tsan
