#!/usr/bin/env bash
# Fails when the domain core includes a Qt header or links a Qt library.
# Usage: check_core_no_qt.sh SRC_CORE_DIR LINKS_FILE
set -u
core_dir=$1
links_file=$2
status=0
includes=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*|q[a-z]+\.h)[>"]' "$core_dir")
if [ -n "$includes" ]; then
    echo "Qt headers included in the core:"
    echo "$includes"
    status=1
fi
if [ ! -f "$links_file" ]; then
    echo "missing $links_file: configure the build first"
    exit 1
fi
if grep -qiE '(^|[;/ ])(Qt[0-9]?::|libQt|Qt[0-9]?[A-Z])' "$links_file"; then
    echo "tallow_core links Qt:"
    cat "$links_file"
    status=1
fi
[ $status -eq 0 ] && echo "core is free of Qt"
exit $status
