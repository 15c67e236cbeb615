#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
# Runs apt-get update only when something has to be installed.
set -eu
missing=()
for pkg in "$@"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
