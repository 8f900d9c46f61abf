#!/usr/bin/env bash
# Builds the program (release) and shows it working on the bundled demo game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh $(cat scripts/build-packages.txt)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHEXWARDEN_TESTS=ON -DHEXWARDEN_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)" --target hexwarden-cli

cli=build/cli/hexwarden-cli
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
db="$scratch/demo.hwd"

echo "== The demo game: three turns of Ironhold Company and an ally's report"
"$cli" import --db "$db" --orders template --unknown race \
  demo/turn-1.txt demo/turn-2.txt demo/turn-3.txt demo/turn-3-ally.txt
"$cli" import-factions --db "$db" demo/factions.txt
echo
"$cli" info "$db"
echo
echo "(The desktop program is not built yet; this is the command-line tool, hexwarden-cli.)"
