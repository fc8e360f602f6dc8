# Thin driver over CMake: each target installs what is missing, builds, then acts.
# The game and the tests build in folders of their own, so alternating between
# `make run` and `make test` reconfigures nothing.
JEU := build
ESSAIS := build-test
ASAN := build-asan
BANC := build-bench
PAQUET := build-paquet
WEB := build-web
WINDOWS := build-windows
LINUX := build-linux
ARM64 := build-arm64
FUZZ := build-fuzz
RELEASE := build-release
VERSION := $(shell sed -n 's/^project([^)]*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Every build is dated by the sources, not the clock: the last commit's time,
# or in the sources' tarball the time git wrote into tools/horodatage.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(if $(wildcard .git),$(shell git log -1 --format=%ct),$(shell cat tools/horodatage))
endif
export SOURCE_DATE_EPOCH
FUZZ_SECONDS ?= 600
JOBS := 2
# This folder as one shell word, whatever its name holds (spaces, quotes, &, $, %):
# every absolute path a recipe hands on starts with it.
ICI := '$(subst ','\'',$(CURDIR))'
# But for ';', which CMake takes as the separator of its lists, in a path too.
ifneq ($(findstring ;,$(CURDIR)),)
$(error $(CURDIR) holds a ';', which CMake splits paths at: move the sources to a folder without one)
endif
# Builds say nothing but warnings and errors.
CONFIGURE = cmake -S . -DCMAKE_RULE_MESSAGES=OFF -DCMAKE_TARGET_MESSAGES=OFF --log-level=WARNING >/dev/null -B
BUILD = cmake --build $(1) -j $(JOBS) $(if $(2),--target $(2)) -- --no-print-directory -s
# The icons, painted into $(1) by the art generator, built natively.
PEINT = $(CONFIGURE) $(JEU) -DLUMOR_TESTS=OFF && $(call BUILD,$(JEU),peintre) && \
  mkdir -p $(1) && ./$(JEU)/tools/peintre --icone $(1)

.PHONY: run test check bench build clean images screenshots package web site windows linux arm64 \
  release nouvelles reproduce fuzz fresh

run: build
	./$(JEU)/lumor5

build:
	@tools/dependances.sh run
	@$(CONFIGURE) $(JEU) -DLUMOR_TESTS=OFF
	@$(call BUILD,$(JEU))

# The game's own tests, native: the headless suite, the game in a real window
# under Xvfb, memcheck, and the headless suite built with the address and
# undefined-behaviour sanitizers, with the replay of the picture fuzzer's corpus,
# as more tests of the same ctest run, so one summary ends it. $(1): what else
# the test build is told (make check: where every target's files are).
ESSAIE = $(CONFIGURE) $(ASAN) -DLUMOR_SANITIZE=ON -DLUMOR_TESTS=ON && \
  $(call BUILD,$(ASAN),essais chargeur) && \
  $(CONFIGURE) $(ESSAIS) -DLUMOR_TESTS=ON -DLUMOR_ASAN=$(ICI)/$(ASAN) $(1) && \
  $(call BUILD,$(ESSAIS)) && cd $(ESSAIS) && ctest --output-on-failure -j $(JOBS)
test:
	@tools/dependances.sh test
	@$(call ESSAIE,-DLUMOR_CIBLES=OFF)

# The same tests, and every published target's in the same run: the Debian
# package, the portable and ARM builds, Windows under Wine, the browser in
# Chromium, and the release's files. The release is made from a git repository;
# the sources' tarball checks the rest.
PUBLIE := $(if $(wildcard .git),release)
check: site node_modules windows linux arm64 package $(PUBLIE)
	@tools/dependances.sh check
	@$(call ESSAIE,-DLUMOR_CIBLES=ON -DLUMOR_WEB=$(ICI)/$(WEB)/site -DLUMOR_WINDOWS=$(ICI)/$(WINDOWS) \
	  -DLUMOR_LINUX=$(ICI)/$(LINUX) -DLUMOR_ARM64=$(ICI)/$(ARM64) \
	  -DLUMOR_RELEASE=$(if $(PUBLIE),$(ICI)/$(RELEASE)))
	@$(if $(PUBLIE),$(SYSTEMES))

# Debian 12, 13 and testing (SDL 3 beneath SDL 2), each a fresh minimal system made by
# debootstrap: a clean clone's make test in it, bare and with a desktop's extras, then the
# package built here installed and played. A clone needs a git repository.
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)
SYSTEMES = $(SUDO) tools/frais.sh $(PAQUET)/lumor5_$(VERSION)_amd64.deb bookworm trixie testing
fresh: package
	@tools/dependances.sh fresh
	@$(SYSTEMES)

bench: site node_modules
	@tools/dependances.sh bench
	@$(EMSCRIPTEN) $(call BUILD,$(WEB),banc)
	node bench/navigateur.mjs $(WEB)/banc $(WEB)/site
	@$(CONFIGURE) $(BANC) -DLUMOR_BENCH=ON -DLUMOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
	@$(call BUILD,$(BANC),banc lumor5)
	./$(BANC)/bench/banc
	bench/chrono.sh $(BANC)/lumor5 $(BANC)/bench/banc

# The Debian package, built with Debian's hardening flags; its ar members take
# the umask's modes, so cpack runs under 022 whatever the builder's.
# $(1): the build folder; $(2): CMake's options for another machine.
# CMake maps the build's own paths out, in any folder; dpkg's map would only
# repeat it, and dpkg leaves it out itself where the path holds characters it
# cannot pass on.
PAQUETAGE = export DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=-fixfilepath"; \
	  CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CONFIGURE) $(1) -DLUMOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release $(2) && \
	  $(call BUILD,$(1)) && { cd $(1) && umask 022 && cpack >cpack.log 2>&1 || { cat cpack.log; false; }; }
package:
	@tools/dependances.sh package
	@$(call PAQUETAGE,$(PAQUET))
	@d=$$(ls $(PAQUET)/lumor5_$(VERSION)_*.deb) && echo "$$d: install it with sudo apt install ./$$d"

# The browser's build: SDL2 from Debian's sources, built once, then the game.
# Debian's emscripten finds its JavaScript modules only through NODE_PATH.
EMSCRIPTEN = NODE_PATH=/usr/share/nodejs
web: site
	@echo "The game's page is $(WEB)/site/index.html; any static host can serve $(WEB)/site."
	@echo "To play here: node tools/navigateur.mjs $(WEB)/site, then open http://127.0.0.1:8000/"

site:
	@tools/dependances.sh web
	@$(call PEINT,$(WEB)/icone)
	@$(EMSCRIPTEN) tools/sdl.sh web $(WEB)/sdl2
	@$(EMSCRIPTEN) $(CONFIGURE) $(WEB) -DEMSCRIPTEN_SYSTEM_PROCESSOR=wasm32 \
	  -DCMAKE_TOOLCHAIN_FILE="$$(em-config EMSCRIPTEN_ROOT)"/cmake/Modules/Platform/Emscripten.cmake \
	  -DSDL2_DIR=$(ICI)/$(WEB)/sdl2/lib/cmake/SDL2 -DCMAKE_BUILD_TYPE=MinSizeRel -DLUMOR_TESTS=OFF \
	  -DLUMOR_ICONES=$(ICI)/$(WEB)/icone
	@$(EMSCRIPTEN) $(call BUILD,$(WEB))

# Windows x86_64 with mingw-w64: SDL2 from Debian's sources, built once; the
# icon painted here by the art generator; the game, its zip and its installer.
windows:
	@tools/dependances.sh windows
	@tools/sdl.sh windows $(WINDOWS)/sdl2
	@$(call PEINT,$(WINDOWS)/icone)
	@$(CONFIGURE) $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(ICI)/windows/mingw.cmake \
	  -DSDL2_DIR=$(ICI)/$(WINDOWS)/sdl2/lib/cmake/SDL2 -DCMAKE_BUILD_TYPE=Release -DLUMOR_TESTS=OFF
	@$(call BUILD,$(WINDOWS))
	@cd $(WINDOWS) && cpack >cpack.log 2>&1 || { cat cpack.log; false; }
	@ls $(WINDOWS)/lumor5-$(VERSION)-windows-x86_64.zip $(WINDOWS)/lumor5-$(VERSION)-windows-x86_64-setup.exe >/dev/null
	@echo "For Windows: $(WINDOWS)/lumor5-$(VERSION)-windows-x86_64.zip and" \
	  "$(WINDOWS)/lumor5-$(VERSION)-windows-x86_64-setup.exe"

# Linux x86_64 anywhere: SDL2 from Debian's sources, built once and linked in
# with the C++ runtime; one folder with its launcher, packed in a tar.gz.
linux:
	@tools/dependances.sh linux
	@tools/sdl.sh linux $(LINUX)/sdl2
	@$(CONFIGURE) $(LINUX) -DLUMOR_PORTABLE=ON -DSDL2_DIR=$(ICI)/$(LINUX)/sdl2/lib/cmake/SDL2 \
	  -DCMAKE_BUILD_TYPE=Release -DLUMOR_TESTS=OFF
	@$(call BUILD,$(LINUX))
	@ls $(LINUX)/lumor5-$(VERSION)-linux-x86_64.tar.gz >/dev/null
	@echo "For Linux anywhere: $(LINUX)/lumor5-$(VERSION)-linux-x86_64.tar.gz"

# 64-bit ARM Linux (a Raspberry Pi on its 64-bit OS, and the rest), cross-built
# from Debian's own packages: the Debian package for arm64 and the portable
# build for aarch64, with SDL2 from Debian's sources as for x86_64.
ARM = DEB_HOST_ARCH=arm64 DEB_HOST_MULTIARCH=aarch64-linux-gnu DEB_HOST_GNU_TYPE=aarch64-linux-gnu
CROISE = -DCMAKE_TOOLCHAIN_FILE=$(ICI)/linux/aarch64.cmake -DLUMOR_ICONES=$(ICI)/$(ARM64)/icone
arm64:
	@tools/dependances.sh arm64
	@tools/sdl.sh linux-aarch64 $(ARM64)/sdl2
	@$(call PEINT,$(ARM64)/icone)
	@$(CONFIGURE) $(ARM64)/portable $(CROISE) -DLUMOR_PORTABLE=ON \
	  -DSDL2_DIR=$(ICI)/$(ARM64)/sdl2/lib/cmake/SDL2 -DCMAKE_BUILD_TYPE=Release -DLUMOR_TESTS=OFF
	@$(call BUILD,$(ARM64)/portable)
	@export $(ARM) && $(call PAQUETAGE,$(ARM64)/paquet,$(CROISE))
	@ls $(ARM64)/paquet/lumor5_$(VERSION)_arm64.deb $(ARM64)/portable/lumor5-$(VERSION)-linux-aarch64.tar.gz >/dev/null
	@echo "For 64-bit ARM Linux: $(ARM64)/paquet/lumor5_$(VERSION)_arm64.deb and" \
	  "$(ARM64)/portable/lumor5-$(VERSION)-linux-aarch64.tar.gz"

# What players download, under one version, with its checksums; refused while
# NEWS.md says nothing of that version.
release: nouvelles package windows site linux arm64
	@tools/dependances.sh release
	@tools/publie.sh $(VERSION) $(RELEASE) $(WEB)/site $(PAQUET)/lumor5_$(VERSION)_amd64.deb \
	  $(WINDOWS)/lumor5-$(VERSION)-windows-x86_64.zip $(WINDOWS)/lumor5-$(VERSION)-windows-x86_64-setup.exe \
	  $(LINUX)/lumor5-$(VERSION)-linux-x86_64.tar.gz $(ARM64)/paquet/lumor5_$(VERSION)_arm64.deb \
	  $(ARM64)/portable/lumor5-$(VERSION)-linux-aarch64.tar.gz
	@echo "The release of $(VERSION) is in $(RELEASE)/:" && cd $(RELEASE) && ls -l

nouvelles:
	@grep -q '^## $(subst .,\.,$(VERSION))\b' NEWS.md || \
	  { echo "make release: NEWS.md has no section for $(VERSION); say what changed for players first" >&2; exit 1; }

# The release built twice in two fresh clones that differ in folder, time,
# time zone, umask and locale: every file must come out the same.
reproduce:
	@tools/dependances.sh reproduce
	tools/reproduit.sh

# The picture fuzzer: SDL2 from Debian's sources built once with clang, the
# sanitizers and libFuzzer's coverage; then FUZZ_SECONDS of inputs.
fuzz:
	@tools/dependances.sh fuzz
	@tools/sdl.sh fuzz $(FUZZ)/sdl2
	@$(CONFIGURE) $(FUZZ)/jeu -DCMAKE_CXX_COMPILER=clang++ -DLUMOR_SANITIZE=ON -DLUMOR_FUZZ=ON \
	  -DSDL2_DIR=$(ICI)/$(FUZZ)/sdl2/lib/cmake/SDL2 -DLUMOR_TESTS=OFF
	@$(call BUILD,$(FUZZ)/jeu,chargeur)
	fuzz/lance.sh $(FUZZ) $(FUZZ_SECONDS)

# puppeteer-core, at the version the lock file pins, for the browser's test and benchmark.
node_modules: package.json package-lock.json
	@npm ci --no-audit --no-fund --silent
	@touch node_modules

images:
	@$(CONFIGURE) $(JEU) -DLUMOR_TESTS=OFF
	@$(call BUILD,$(JEU),peintre)
	./$(JEU)/tools/peintre data

# The browser's picture is taken by its test, in headless Chromium.
screenshots: site node_modules
	@tools/dependances.sh screenshots
	@$(CONFIGURE) $(ESSAIS) -DLUMOR_TESTS=ON
	@$(call BUILD,$(ESSAIS),photographe)
	./$(ESSAIS)/tools/photographe docs
	node tests/navigateur.mjs $(WEB)/site $(ESSAIS)/tools/photographe docs/navigateur.png

clean:
	rm -rf $(JEU) $(ESSAIS) $(ASAN) $(BANC) $(PAQUET) $(WEB) $(WINDOWS) $(LINUX) $(ARM64) $(RELEASE) $(FUZZ) \
	  node_modules
