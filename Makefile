# Thin wrappers around CMake. Every target installs what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_TIME  ?= 60

.PHONY: all bootstrap build run test test-asan bench fuzz clean

all: build

bootstrap:
	@./scripts/bootstrap

$(BUILD)/build.ninja: CMakeLists.txt | bootstrap
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

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

# The toolkit-free cores and their tests under AddressSanitizer + UBSan.
test-asan: bootstrap
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLYPHORA_SANITIZE=ON -DGLYPHORA_GUI=OFF -DGLYPHORA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	@for b in $$(find $(BUILD)/bench -maxdepth 3 -type f -executable -name 'bench_*' | sort); do echo "== $$b"; $$b || exit 1; done
	@for s in bench/*.sh; do [ -f "$$s" ] || continue; echo "== $$s"; BUILD=$(BUILD) sh "$$s" || exit 1; done

# Runs every libFuzzer harness for FUZZ_TIME seconds each.
fuzz: bootstrap
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHORA_FUZZ=ON -DGLYPHORA_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $$(find $(FUZZ_BUILD)/fuzz -type f -executable -name 'fuzz_*' | sort); do \
	  n=$$(basename $$f); mkdir -p fuzz/corpus-$$n; \
	  echo "== $$n ($(FUZZ_TIME) s)"; \
	  $$f -max_total_time=$(FUZZ_TIME) -print_final_stats=1 fuzz/corpus-$$n $$( [ -d fuzz/seeds/$$n ] && echo fuzz/seeds/$$n ) || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
