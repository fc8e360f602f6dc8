# Thin driver over CMake: each target installs what is missing, builds, then acts.
BUILD := build
ASAN := build-asan
BENCH := build-bench
JOBS := 2

.PHONY: run test bench build clean images screenshots

run:
	@tools/dependances.sh run
	@$(MAKE) --no-print-directory build
	./$(BUILD)/lumor5

build:
	cmake -S . -B $(BUILD) -DLUMOR_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

test:
	@tools/dependances.sh test
	cmake -S . -B $(BUILD) -DLUMOR_TESTS=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure
	cmake -S . -B $(ASAN) -DLUMOR_SANITIZE=ON -DLUMOR_TESTS=ON >/dev/null
	cmake --build $(ASAN) -j $(JOBS) --target essais
	cd $(ASAN) && ctest --output-on-failure -L headless

bench:
	@tools/dependances.sh bench
	cmake -S . -B $(BENCH) -DLUMOR_BENCH=ON -DLUMOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BENCH) -j $(JOBS) --target banc lumor5
	bench/chrono.sh $(BENCH)/lumor5
	./$(BENCH)/bench/banc

images:
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target peintre
	./$(BUILD)/tools/peintre data

screenshots:
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target photographe
	./$(BUILD)/tools/photographe docs

clean:
	rm -rf $(BUILD) $(ASAN) $(BENCH)
