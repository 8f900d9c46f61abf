#!/usr/bin/env bash
# Builds the program (release) and shows it working on the bundled demo game: the desktop program
# when there is a display, the command-line tool and a map image when there is none.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh $(cat scripts/build-packages.txt)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHEXWARDEN_TESTS=ON -DHEXWARDEN_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)" --target hexwarden-cli hexwarden

cli=build/cli/hexwarden-cli
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
db="$scratch/demo.hwd"

echo "== The demo game: three turns of Ironhold Company and an ally's report"
"$cli" import --db "$db" --orders template --unknown race \
  demo/turn-1.txt demo/turn-2.txt demo/turn-3.txt demo/turn-3-ally.txt
"$cli" import-factions --db "$db" demo/factions.txt

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # A settings file of its own, so the user's Hexwarden.ini is left alone: the demo data file and
  # one maximised overworld map window, in a main window large enough to show the map.
  settings="$scratch/Hexwarden.ini"
  printf '[Hexwarden]\nData=%s\nMapCount=1\n[Window]\nLeft=20\nTop=20\nWidth=1100\nHeight=760\n[Map1]\nOverworld=1\nMaximised=1\nActive=1\n' \
    "$db" >"$settings"
  echo
  echo "== Starting the desktop program on the demo game"
  build/app/hexwarden --settings "$settings"
  exit 0
fi

echo
echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): showing the command-line tool instead."
echo
"$cli" info "$db"
if "$cli" render-map --help >/dev/null 2>&1; then
  image="$PWD/build/demo-map.png"
  "$cli" render-map --db "$db" "$image" >/dev/null
  echo
  echo "The demo game's overworld map: $image"
fi
