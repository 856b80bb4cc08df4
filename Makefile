# Two commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE := build/release
CHECKED := build/checked

.PHONY: run test soak deps build clean

deps:
	@./tools/install-deps.sh

build: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS)

# Starts the game on the sample quiz that comes with it.
run: build
	@if [[ -z "$$DISPLAY" && -z "$$WAYLAND_DISPLAY" && -z "$$QT_QPA_PLATFORM" ]]; then \
	    echo "Нет графического дисплея. Запустите игру на рабочем столе или под Xvfb:"; \
	    echo "    xvfb-run -a make run"; \
	    exit 1; \
	fi
	@cd assets/quiz && exec ../../$(RELEASE)/vatro

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	@cmake -S . -B $(CHECKED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVATRO_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS)
	@cd $(CHECKED) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A million random events over the whole game, with the sanitizers on.
SOAK_EVENTS ?= 1000000
SOAK_SEED ?= 20261208
soak: deps
	@cmake -S . -B $(CHECKED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVATRO_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS) --target vatro_soak
	@$(CHECKED)/tests/vatro_soak $(SOAK_EVENTS) $(SOAK_SEED)

clean:
	rm -rf build
