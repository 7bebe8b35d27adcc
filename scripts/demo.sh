#!/usr/bin/env bash
# Installs what the build needs, builds wexplakard-cli, creates the demo competition in ./demo and
# generates its pages.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DWEX_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target wexplakard-cli
cli="$PWD/build/release/src/cli/wexplakard-cli"
rm -rf demo
"$cli" demo demo
(cd demo && "$cli" generate)
echo
echo "The pages are in $PWD/demo/ausgabe; open $PWD/demo/ausgabe/WexIndex.html in a browser."
