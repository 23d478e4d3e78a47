# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands for a newcomer: `make run` and `make test`. Both set up what is missing first, and
# each installs and builds only what it needs (scripts/install-deps names the groups).
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
# Warnings as errors: on in CI (.ci/run) and for developers who want it, off for everyone else.
WERROR ?= OFF
CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	-DTRAZALIA_WERROR=$(WERROR) $(CMAKE_FLAGS)
# The build tree is made without the tests the first time, unless they are asked for; once
# `make test` has turned them on, they stay on.
CONFIGURED = test -f $(BUILD_DIR)/CMakeCache.txt || $(CONFIGURE) -DBUILD_TESTING=OFF
WITH_TESTS = grep -qx 'BUILD_TESTING:BOOL=ON' $(BUILD_DIR)/CMakeCache.txt 2>/dev/null || \
	$(CONFIGURE) -DBUILD_TESTING=ON

.PHONY: all deps build run test test-build clean translations

all: build

# Every group, for a machine that will run every target.
deps:
	@scripts/install-deps run package test bench fuzz memcheck web

# What the build tree is configured for.
build:
	@scripts/install-deps run
	@$(CONFIGURED)
	cmake --build $(BUILD_DIR)

# The program alone: no tests, benchmarks or fuzz target.
run:
	@scripts/install-deps run
	@$(CONFIGURED)
	cmake --build $(BUILD_DIR) --target trazalia
	$(BUILD_DIR)/app/trazalia

test-build:
	@scripts/install-deps test
	@$(WITH_TESTS)
	cmake --build $(BUILD_DIR)

# The tests run the WebAssembly build of the core too (web_nucleo.*), so it is built first.
test: web test-build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j 2

clean:
	rm -rf $(BUILD_DIR)

# Brings translations/*.ts up to date with the texts in the sources (lupdate), for the translators
# to fill; the build itself only compiles them.
translations:
	@scripts/install-deps run
	@$(CONFIGURED)
	cmake --build $(BUILD_DIR) --target update_translations

# A Debian package of the install tree, in $(BUILD_DIR): trazalia_VERSION_ARCH.deb, then lintian's
# verdict on it.
.PHONY: package
package:
	@scripts/install-deps package
	@$(CONFIGURED)
	cmake --build $(BUILD_DIR) --target package
	lintian --allow-root --fail-on error,warning $(BUILD_DIR)/trazalia_*.deb
# Speed and robustness (docs/DEVELOPMENT.md), each in a build tree of its own.
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
RELEASE_DIR ?= build-release
FUZZ_SECONDS ?= 300
SOAK_ACTIONS ?= 1000000
SOAK_SEED ?= $(shell date +%s)
SANITIZERS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
LSAN = LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/suppressions/lsan.supp

.PHONY: check-asan soak bench fuzz valgrind

# Every test built with AddressSanitizer and UndefinedBehaviorSanitizer, except the one labelled
# valgrind (it cannot run ASan binaries).
# The sanitizers do the checking here, so Debian's hardening flags stay out.
check-asan:
	@scripts/install-deps test
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAZALIA_HARDENING=OFF \
	    -DTRAZALIA_WERROR=$(WERROR) \
	    "-DCMAKE_CXX_FLAGS=-O1 $(SANITIZERS)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZERS)"
	cmake --build $(ASAN_DIR)
	$(LSAN) UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --test-dir $(ASAN_DIR) --output-on-failure -j 2 -LE valgrind

# The randomised sessions at length: make soak SOAK_SEED=... SOAK_ACTIONS=...
soak: test-build
	TRAZALIA_SEMILLA=$(SOAK_SEED) TRAZALIA_ACCIONES=$(SOAK_ACTIONS) \
	    $(BUILD_DIR)/session/tests/sesiones_tests --gtest_filter='SesionesAleatorias.*'

# Google Benchmark in Release; ends with the table of medians.
bench:
	@scripts/install-deps bench
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DTRAZALIA_BENCH=ON
	cmake --build $(RELEASE_DIR)
	$(RELEASE_DIR)/bench/eventos_bench --benchmark_repetitions=9 \
	    --benchmark_report_aggregates_only=true --benchmark_min_time=0.1
	$(RELEASE_DIR)/bench/hoja_bench --benchmark_repetitions=9 \
	    --benchmark_report_aggregates_only=true
	$(RELEASE_DIR)/bench/moodle_bench --benchmark_repetitions=9 \
	    --benchmark_report_aggregates_only=true
	$(RELEASE_DIR)/bench/veredicto_bench --benchmark_repetitions=9 \
	    --benchmark_report_aggregates_only=true

# The whole tree and its tests in Release (-O3), as a packager builds it: the optimiser finds
# warnings the development build does not. Built, not run: make test runs the tests.
RELEASE_TESTS_DIR ?= build-release-tests
.PHONY: release-build
release-build:
	@scripts/install-deps test
	cmake -S . -B $(RELEASE_TESTS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
	    -DTRAZALIA_WERROR=$(WERROR)
	cmake --build $(RELEASE_TESTS_DIR)

# libFuzzer on script mode for FUZZ_SECONDS; findings land in $(FUZZ_DIR).
fuzz:
	@scripts/install-deps fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTRAZALIA_FUZZ=ON \
	    -DTRAZALIA_HARDENING=OFF -DTRAZALIA_WERROR=$(WERROR) \
	    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $(SANITIZERS)"
	cmake --build $(FUZZ_DIR) --target guion_fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	$(LSAN) $(FUZZ_DIR)/fuzz/guion_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -dict=fuzz/guion.dict -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ \
	    $(FUZZ_DIR)/corpus fuzz/corpus

# A script session under valgrind memcheck.
valgrind:
	@scripts/install-deps memcheck
	@$(CONFIGURED)
	cmake --build $(BUILD_DIR) --target trazalia
	scripts/valgrind-session $(BUILD_DIR)/app/trazalia

# The core in WebAssembly, in a tree of its own: trazalia-nucleo.js runs scripts in node.
# Debian's emscripten runs its optimiser in node, which finds acorn only in Debian's own folder.
WEB_DIR ?= build-web
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}
NODE = node --no-experimental-fetch

.PHONY: web web-idiomas bench-web

web: web-idiomas
	@scripts/install-deps web
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DTRAZALIA_WERROR=$(WERROR)
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_DIR)
	$(MAKE) --no-print-directory web-pagina

# The page: its TypeScript checked and bundled into one classic script (a page opened from a
# folder loads no module), beside the core, the page, its style, the emblem and the licence; and
# from the core, what the page draws before the core arrives and the module's bytes for a page
# opened from a folder (web/tools/previa.mjs).
WEB_NPM = web/node_modules/.package-lock.json
$(WEB_NPM): web/package.json web/package-lock.json
	cd web && npm ci --no-audit --no-fund

.PHONY: web-pagina
web-pagina: $(WEB_NPM)
	cd web && node_modules/.bin/tsc --noEmit -p .
	web/node_modules/.bin/esbuild web/src/pagina.ts --bundle --minify --target=es2020 \
	    --loader:.html=text --log-level=warning --outfile=$(WEB_DIR)/site/pagina.js
	web/node_modules/.bin/esbuild web/tools/previa.mjs --bundle --platform=node --format=esm \
	    --log-level=warning --outfile=$(WEB_DIR)/previa.mjs
	node $(WEB_DIR)/previa.mjs $(WEB_DIR)/site
	cp web/index.html web/estilo.css resources/trazalia.svg $(WEB_DIR)/site/
	cp LICENSE $(WEB_DIR)/site/licencia.txt
	cp web/sw.js web/manifest.webmanifest $(WEB_DIR)/site/

# The translations as the page loads them, from the same .ts files the desktop compiles.
web-idiomas:
	@scripts/install-deps web
	node web/tools/traducciones.mjs translations $(WEB_DIR)/site/idiomas

# The same events timed natively and in WebAssembly (in Chromium, where the page runs, and in
# node), with their ratios; then the page in Chromium: input to painted frame, load to the first
# window, what it loads gzipped; and Lighthouse's scores as on a cheap phone (web/tools/faro.mjs).
bench-web: web
	@scripts/install-deps bench
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DTRAZALIA_BENCH=ON
	cmake --build $(RELEASE_DIR) --target nucleo_bench
	$(EMSCRIPTEN_ENV) cmake -S . -B $(WEB_DIR) -DTRAZALIA_BENCH=ON
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_DIR) --target nucleo_bench
	node web/tools/bench_nucleo.mjs $(RELEASE_DIR)/bench/nucleo_bench $(WEB_DIR)/bench/nucleo_bench.js
	@printf 'módulo: %s bytes, %s con gzip\n' "$$(wc -c <$(WEB_DIR)/session/trazalia-nucleo.wasm)" \
	    "$$(gzip -9c $(WEB_DIR)/session/trazalia-nucleo.wasm | wc -c)"
	@echo 'La página en Chromium, 1920 × 1080:'
	node web/tools/bench_pagina.mjs $(WEB_DIR)/site
	node web/tools/faro.mjs $(WEB_DIR)/site
