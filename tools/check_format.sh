#!/usr/bin/env bash
# Fails when a C++ source of ours is not formatted as .clang-format says.
# Usage: check_format.sh CLANG_FORMAT (run from the repository root)
set -u
clang_format=$1
files=$(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'bench/*.cpp' 'fuzz/*.cpp' 'tools/*.cpp' 'tools/*.h' 2>/dev/null)
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
"$clang_format" --dry-run -Werror $files
