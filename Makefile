# Two commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE := build/release
CHECKED := build/checked

.PHONY: run test tsan soak lab-test fuzz bench deps build package package-check screenshot clean

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

# The core and view tests built with ThreadSanitizer: the journal's writer thread and the
# atomic file it shares with the editor. The soak, single-threaded but for the journal and
# already run under the other sanitizers, is left out to keep CI short.
TSAN := build/tsan
tsan: deps
	@cmake -S . -B $(TSAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVATRO_TSAN=ON >/dev/null
	@cmake --build $(TSAN) -j $(JOBS)
	@cd $(TSAN) && QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tools/tsan.supp" \
	    ctest --output-on-failure -j $(JOBS) -E '^Soak\.'

# A million random events over the whole game, with the sanitizers on, the quiz folder's
# files broken and mended between them.
SOAK_EVENTS ?= 1000000
SOAK_SEED ?= 20261208
soak: deps
	@cmake -S . -B $(CHECKED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVATRO_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS) --target vatro_soak
	@$(CHECKED)/tests/vatro_soak $(SOAK_EVENTS) $(SOAK_SEED)

# The computer lab on one machine: LAB_COMPUTERS game cores write their class journals at once
# into one folder of a real Samba share, mounted with the FUSE client smbnetfs, for LAB_SECONDS;
# the share's server is stopped in the middle and started again. Needs root and a few minutes.
LAB_COMPUTERS ?= 20
LAB_SECONDS ?= 180
lab-test: deps
	@./tools/install-deps.sh samba smbclient smbnetfs
	@cmake -S . -B $(CHECKED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVATRO_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS) --target vatro_lab_player
	@./tools/lab-test.sh $(CHECKED)/tests/vatro_lab_player $(LAB_COMPUTERS) $(LAB_SECONDS)

# The quiz files under a coverage-guided fuzzer (clang's libFuzzer), with the sanitizers on, in
# two layers: the reader and the writer on their own (fast), then the game and the checker
# on three files made of each input (slow), seeded with the sample quiz and the hostile quiz
# folders of the tests. FUZZ_SECONDS is split between the layers; 0 seconds skips a layer.
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_READER_SECONDS ?= $(shell echo $$(( $(FUZZ_SECONDS) / 2 )))
FUZZ_GAME_SECONDS ?= $(shell echo $$(( $(FUZZ_SECONDS) - $(FUZZ_READER_SECONDS) )))
fuzz:
	@./tools/install-deps.sh clang libclang-rt-dev
	@cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DVATRO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target vatro_reader_fuzz vatro_quizfiles_fuzz vatro_fuzz_seeds
	@rm -rf $(FUZZ)/seeds && $(FUZZ)/tests/fuzz/vatro_fuzz_seeds $(FUZZ)/seeds assets/quiz
	@mkdir -p $(FUZZ)/reader-corpus $(FUZZ)/corpus
	@./tools/fuzz-layer.sh reader $(FUZZ_READER_SECONDS) $(FUZZ)/reader.log $(FUZZ)/findings \
	    $(FUZZ)/tests/fuzz/vatro_reader_fuzz $(FUZZ)/reader-corpus assets/quiz \
	    -dict=tests/fuzz/quizfiles.dict -max_len=512 -timeout=10
	@./tools/fuzz-layer.sh game $(FUZZ_GAME_SECONDS) $(FUZZ)/fuzz.log $(FUZZ)/findings \
	    $(FUZZ)/tests/fuzz/vatro_quizfiles_fuzz $(FUZZ)/corpus $(FUZZ)/seeds \
	    -dict=tests/fuzz/quizfiles.dict -max_len=65536 -timeout=10

# Start-up (warm, and cold when run as root), memory and idle cost of the game and the editor
# against a bare Qt window, and the game's own costs, in one table. The first frame under
# Xvfb is seen from the X server (XDamage). Measurements, not tests: a slow machine fails
# nothing.
BENCH := build/bench
bench: deps
	@./tools/install-deps.sh libx11-dev libxdamage-dev
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DVATRO_BENCH=ON >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target vatro_bench
	@$(BENCH)/bench/vatro_bench --quiz assets/quiz

# The Debian package and the RPM package of the same files:
# build/release/vatro_VERSION_ARCH.deb and build/release/vatro-VERSION-1.ARCH.rpm.
package: build
	@./tools/install-deps.sh rpm
	@rm -f $(RELEASE)/vatro_*.deb $(RELEASE)/vatro-*.rpm
	@cd $(RELEASE) && cpack -G DEB >/dev/null && cpack -G RPM >/dev/null
	@ls $(RELEASE)/vatro_*.deb $(RELEASE)/vatro-*.rpm

# The packages as their distributions' maintainers check them: lintian and rpmlint, the
# menu entry, the AppStream file, the manual pages, the documentation and the dependencies;
# fails on any error or warning.
package-check: package
	@./tools/install-deps.sh lintian rpmlint desktop-file-utils appstream
	@packaging/check-package.sh $(RELEASE)/vatro_*.deb $(RELEASE)/vatro-*.rpm

# A picture of the game's main window on the sample quiz, taken on a virtual screen, for
# a machine without one and for the AppStream description.
SCREENSHOT ?= build/screenshot.png
screenshot: build
	@./tools/install-deps.sh imagemagick
	@xvfb-run -a -s "-screen 0 1024x768x24" tools/screenshot.sh $(RELEASE)/vatro assets/quiz $(SCREENSHOT)
	@echo "$(SCREENSHOT)"

clean:
	rm -rf build
