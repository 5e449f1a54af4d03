# The suite's commands (see README.md):
#   make run     install what is missing, build for Windows, start the side bar under Wine
#   make test    install what is missing, build, run every test (native and under Wine)
#   make bench   run the benchmarks and print their ratios
.PHONY: run test bench

run:
	@scripts/setup
	@scripts/run-side-bar

test:
	@scripts/setup
	@scripts/test-all

bench:
	@scripts/setup
	@cmake --preset native >/dev/null
	@cmake --build --preset native --target folder_tree_bench quenlock_cipher_bench penderil_preview_bench
	@build/native/bench/folder_tree_bench build/bench-tree
	@build/native/bench/quenlock_cipher_bench build/bench-quenlock
	@build/native/bench/penderil_preview_bench
	@scripts/bench-windows
