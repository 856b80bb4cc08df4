# Two commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE := build/release
CHECKED := build/checked

.PHONY: run test soak fuzz bench deps build package package-check screenshot clean

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
	    echo "Под Xvfb окна не видно; посмотреть на него можно снимком: make screenshot"; \
	    exit 1; \
	fi
	@cd assets/quiz && exec ../../$(RELEASE)/vatro

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer; the game is built
# for playing too, so that what `make run` builds never breaks unseen.
test: build
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

# The quiz-file reader and the loaders under a coverage-guided fuzzer (clang's libFuzzer),
# seeded with the sample quiz and the hostile quiz folders of the tests.
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@./tools/install-deps.sh clang libclang-rt-dev
	@cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DVATRO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target vatro_quizfiles_fuzz vatro_fuzz_seeds
	@rm -rf $(FUZZ)/seeds && $(FUZZ)/tests/fuzz/vatro_fuzz_seeds $(FUZZ)/seeds assets/quiz
	@mkdir -p $(FUZZ)/corpus $(FUZZ)/findings
	@echo "fuzz: $(FUZZ_SECONDS) s, log in $(FUZZ)/fuzz.log, findings in $(FUZZ)/findings"
	@$(FUZZ)/tests/fuzz/vatro_quizfiles_fuzz $(FUZZ)/corpus $(FUZZ)/seeds \
	    -dict=tests/fuzz/quizfiles.dict -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    -timeout=10 -artifact_prefix=$(FUZZ)/findings/ >$(FUZZ)/fuzz.log 2>&1; \
	status=$$?; \
	runs=$$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' $(FUZZ)/fuzz.log); \
	if [[ $$status -ne 0 ]]; then tail -n 40 $(FUZZ)/fuzz.log; echo "fuzz: FOUND A CRASH, see $(FUZZ)/findings"; exit 1; fi; \
	echo "fuzz: $$runs, $$(ls $(FUZZ)/corpus | wc -l) inputs in the corpus, no crash"

# Start-up, memory and idle cost against a bare Qt window, and the game's own costs,
# in one table. Measurements, not tests: a slow machine fails nothing.
BENCH := build/bench
bench: deps
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DVATRO_BENCH=ON >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target vatro_bench
	@$(BENCH)/bench/vatro_bench --quiz assets/quiz

# The Debian package, build/release/vatro_VERSION_ARCH.deb.
package: build
	@rm -f $(RELEASE)/vatro_*.deb
	@cd $(RELEASE) && cpack -G DEB >/dev/null
	@ls $(RELEASE)/vatro_*.deb

# The package as a Debian maintainer checks it: lintian, the menu entry, the AppStream file,
# the manual pages and the documentation; fails on any error or warning.
package-check: package
	@./tools/install-deps.sh lintian desktop-file-utils appstream
	@packaging/check-package.sh $(RELEASE)/vatro_*.deb

# A picture of the game's main window on the sample quiz, taken on a virtual screen, for
# a machine without one and for the AppStream description.
SCREENSHOT ?= build/screenshot.png
screenshot: build
	@./tools/install-deps.sh imagemagick
	@xvfb-run -a -s "-screen 0 1024x768x24" tools/screenshot.sh $(RELEASE)/vatro assets/quiz $(SCREENSHOT)
	@echo "$(SCREENSHOT)"

clean:
	rm -rf build
