# Thin wrappers around CMake. Every target installs what is missing first.
BUILD       ?= build
ASAN_BUILD  ?= build-asan
JOBS       ?= $(shell nproc)
FUZZ_TIME  ?= 60

.PHONY: all bootstrap build run test asan-build test-asan bench fuzz package format format-check tidy tidy-changed clean windows test-windows windows-package

all: build

bootstrap:
	@./scripts/bootstrap

$(BUILD)/build.ninja: CMakeLists.txt | bootstrap
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHORA_WERROR=ON

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Starts the editor. Without a settings file yet, the demo langpack is opened
# so that a new user sees glyphs at once.
run: build
	@if [ -f $(BUILD)/src/app/glyphora ]; then \
	  if [ -f $(BUILD)/src/app/Glyphora.ini ] || [ -f "$${XDG_CONFIG_HOME:-$$HOME/.config}/Glyphora/Glyphora.ini" ]; then \
	    $(BUILD)/src/app/glyphora; \
	  else \
	    $(BUILD)/src/app/glyphora samples/demo.smg; \
	  fi; \
	else \
	  $(BUILD)/tools/glyphora-tool/glyphora-tool info samples/demo.smg; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

# The second build: the whole tree with clang under AddressSanitizer + UBSan,
# instrumented for libFuzzer too, so the fuzzers' runs come from it. -O1 keeps
# the fuzzers quick; Debug keeps the assertions.
$(ASAN_BUILD)/build.ninja: CMakeLists.txt | bootstrap
	CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DGLYPHORA_WERROR=ON -DGLYPHORA_SANITIZE=ON -DGLYPHORA_FUZZ=ON -DGLYPHORA_BENCH=OFF

asan-build: bootstrap $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Every test of that build but the end-to-end and package ones (they test the
# gcc build's program and package); the GUI tests run offscreen. The system's
# font libraries keep caches for the life of the process, which the leak
# checker would report: tests/lsan.supp leaves them out.
test-asan: asan-build
	cd $(ASAN_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS) --timeout 600 -LE 'e2e|package'

bench: build
	@for b in $$(find $(BUILD)/bench -maxdepth 3 -type f -executable -name 'bench_*' | sort); do echo "== $$b"; $$b || exit 1; done
	@for s in bench/*.sh; do [ -f "$$s" ] || continue; echo "== $$s"; BUILD=$(BUILD) sh "$$s" || exit 1; done

# Runs every libFuzzer harness for FUZZ_TIME seconds each.
fuzz: asan-build
	@for f in $$(find $(ASAN_BUILD)/fuzz -type f -executable -name 'fuzz_*' ! -name '*_replay' | sort); do \
	  n=$$(basename $$f); mkdir -p fuzz/corpus-$$n; \
	  echo "== $$n ($(FUZZ_TIME) s)"; \
	  $$f -max_total_time=$(FUZZ_TIME) -print_final_stats=1 fuzz/corpus-$$n $$( [ -d fuzz/seeds/$$n ] && echo fuzz/seeds/$$n ) || exit 1; \
	done

# A Debian package of the editor, the tool and the renderer in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# The sources in the style of .clang-format; format-check fails on any difference.
SOURCES = $$(git ls-files '*.cpp' '*.h')
format:
	clang-format -i $(SOURCES)
format-check:
	clang-format --dry-run --Werror $(SOURCES)

# clang-tidy with the checks of .clang-tidy over the project's own sources;
# any finding fails the target (clang-tidy prints them on stdout).
tidy: build
	run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) '^$(CURDIR)/(src|tools)/' >$(BUILD)/tidy.log 2>&1; \
	  status=$$?; ! grep -E '(warning|error): ' $(BUILD)/tidy.log | sort -u | grep . && exit $$status

# The same checks over the units that changed since the last clean run (CI's
# choice: a unit that nothing touched cannot have a new finding).
tidy-changed: build
	./scripts/tidy-changed $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD)

# Windows: everything cross-built with mingw-w64, tested under Wine, and packed
# as a zip. The editor window needs the Qt that scripts/build-qt-windows builds
# once into a cache (about 25 minutes); without it the toolkit-free parts are
# built alone and the target says so.
WINDOWS_BUILD ?= build-windows
QT_WINDOWS = $$(./scripts/build-qt-windows --print)

windows:
	@./scripts/bootstrap windows
	@qt=$(QT_WINDOWS); \
	  if [ -f "$$qt/.complete" ]; then gui="-DGLYPHORA_GUI=ON -DGLYPHORA_QT_WINDOWS=$$qt"; \
	  else gui="-DGLYPHORA_GUI=OFF"; \
	    echo "windows: no Qt for Windows in $$qt, so glyphora.exe is left out (scripts/build-qt-windows builds it)"; fi; \
	  cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DGLYPHORA_WERROR=ON -DGLYPHORA_BENCH=OFF $$gui
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows test programs and a smoke run of glyphora-tool.exe with the GDI
# renderer under Wine, in a Wine prefix made in a scratch folder, then the
# editor window on Xvfb when it was built. The Linux glyphora-tool and editor
# are built too: set-glyph and an edit in the window must write the same bytes
# on both systems.
test-windows: windows-package $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target glyphora-tool glyphora
	./scripts/test-windows $(WINDOWS_BUILD) $(BUILD)/tools/glyphora-tool/glyphora-tool $(BUILD)/src/app/glyphora

# $(WINDOWS_BUILD)/glyphora-VERSION-windows-x86_64.zip, ready to unpack on Windows.
WINDOWS_VERSION = $$(sed -n 's/^project(Glyphora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
windows-package: windows
	@./scripts/package-windows $(WINDOWS_BUILD) $(WINDOWS_VERSION) $(QT_WINDOWS)
