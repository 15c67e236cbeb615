#!/usr/bin/env bash
# The README's test command: installs what is missing, builds the sanitizer
# tree with warnings as errors, and runs every test.
set -eu
cd "$(dirname "$0")/.."
tools/install_deps.sh build-essential cmake ninja-build git clang-format \
    libgtest-dev libgmock-dev libbenchmark-dev
build=${TALLOW_BUILD_DIR:-build/asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTALLOW_WERROR=ON -DTALLOW_SANITIZE=ON
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
