# render-map: image sizes follow the hex geometry, huge coordinates are capped or refused.
. "$(dirname "$0")/common.bash"
if ! "$cli" --help | grep -q render-map; then
    echo "render-map is not in this build; skipped"
    exit 0
fi
db=$work/demo.hwd
expect_status 0 "$cli" import --db "$db" --orders template --unknown race \
    "$source_dir/demo/turn-1.txt" "$source_dir/demo/turn-2.txt" "$source_dir/demo/turn-3.txt" \
    "$source_dir/demo/turn-3-ally.txt"

# png_size FILE: "WIDTH HEIGHT" from the PNG header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# expect_size FILE COLUMNS ROWS COLUMN_PITCH SLANT ROW_PITCH HALF_HEIGHT
expect_size() {
    local want="$(($4 * $2 + $5 + 2)) $(($6 * $3 + $7 + 1))"
    local got
    got=$(png_size "$1")
    [ "$got" = "$want" ] || fail "$1 is $got pixels, expected $want"
}

# The demo's overworld reaches x 13 and y 14: 14 columns, 8 rows.
expect_status 0 "$cli" render-map --db "$db" "$work/zoom5.png"
expect_contains "$work/out" "Wrote"
expect_size "$work/zoom5.png" 14 8 22 8 27 13
expect_status 0 "$cli" render-map --db "$db" --zoom 1 --no-grid --no-tags "$work/zoom1.png"
expect_size "$work/zoom1.png" 14 8 4 2 7 3
expect_status 0 "$cli" render-map --db "$db" --zoom 17 --wedges 0,1 --track 202:2 "$work/zoom17.png"
expect_size "$work/zoom17.png" 14 8 76 26 89 44
expect_status 0 "$cli" render-map --db "$db" --routes "$work/routes.png"
expect_size "$work/routes.png" 14 8 22 8 27 13
expect_status 0 "$cli" render-map --db "$db" --level underworld --zoom 3 "$work/under.png"
expect_size "$work/under.png" 11 8 12 4 17 8

expect_status 2 "$cli" render-map --db "$db" --zoom 18 "$work/bad.png"
expect_status 2 "$cli" render-map --db "$db" --wedges 0,1,2,3,4,5,0 "$work/bad.png"
expect_status 1 "$cli" render-map --db "$db" --track 999999 "$work/bad.png"
expect_contains "$work/err" "There is no unit 999999"
[ ! -e "$work/bad.png" ] || fail "a refused render wrote an image"

# A hex far out: the drawn grid stops at the largest map, and what would still be too large is
# refused before anything is allocated.
expect_status 0 "$cli" new "$work/far.hwd"
printf '[VELDORIA DATA]\r\nTurn=30\r\nSource=Far (3)\r\n[Hex 60000,0,Overworld]\r\nTurn=30\r\nTerrain=plain\r\nConfirmed=True\r\n' >"$work/far.txt"
expect_status 0 "$cli" import-map --db "$work/far.hwd" "$work/far.txt"
expect_status 0 "$cli" render-map --db "$work/far.hwd" --zoom 1 "$work/far.png"
expect_contains "$work/err" "beyond the largest map"
expect_size "$work/far.png" 2048 1 4 2 7 3
printf '[VELDORIA DATA]\r\nTurn=30\r\nSource=Far (3)\r\n[Hex 60000,60000,Overworld]\r\nTurn=30\r\nTerrain=plain\r\nConfirmed=True\r\n' >"$work/far.txt"
expect_status 0 "$cli" import-map --db "$work/far.hwd" "$work/far.txt"
expect_status 1 "$cli" render-map --db "$work/far.hwd" "$work/huge.png"
expect_contains "$work/err" "more than 400 million pixels"
[ ! -e "$work/huge.png" ] || fail "a refused render wrote an image"

finish
