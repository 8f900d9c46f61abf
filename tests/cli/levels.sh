# Every level a report names is kept, shown by info, exported and imported as map data, and rendered.
. "$(dirname "$0")/common.bash"

# cave GROUP: a region entry on the level its coordinate group names.
cave() {
    printf 'cavern %s in Deepholm.\n' "$1"
    printf -- '------------------------------------------------------------\n'
    printf '  Wages: $0.\n  Wanted: none.\n  For Sale: none.\n  Products: none.\n\nExits:\n\n'
}
{
    sed -n '1,/^Orders Template/{/^Orders Template/!p}' "$source_dir/demo/turn-1.txt"
    cave "(0,0,nexus)"
    cave "(4,4,deep underworld)"
    cave "(6,2,underdeep)"
    cave "(1,1,abyss)"
    cave "(3,5,2 <underworld>)"
} >"$work/report.txt"

db=$work/levels.hwd
expect_status 0 "$cli" import --db "$db" --orders template --unknown race "$work/report.txt"
expect_status 0 "$cli" info "$db"
for label in "nexus" "deep underworld" "2 <underworld>" "underdeep" "abyss"; do
    expect_contains "$work/out" "Level $label: 1 confirmed"
done

copy=$work/copy.hwd
expect_status 0 "$cli" new "$copy"
for level in overworld underworld nexus "deep underworld" "2 <underworld>" underdeep abyss; do
    expect_status 0 "$cli" export-map --db "$db" --level "$level" "$work/map.txt"
    expect_status 0 "$cli" import-map --db "$copy" "$work/map.txt"
    if "$cli" --help | grep -q render-map; then
        expect_status 0 "$cli" render-map --db "$db" --level "$level" --zoom 2 "$work/level.png"
        [ -s "$work/level.png" ] || fail "no image of the $level"
    fi
done
expect_status 0 "$cli" export-map --db "$db" --level abyss "$work/abyss.txt"
expect_contains "$work/abyss.txt" "\[Hex 1,1,abyss\]"
expect_status 0 "$cli" info "$copy"
for label in "nexus" "deep underworld" "2 <underworld>" "underdeep" "abyss"; do
    expect_contains "$work/out" "Level $label: 1 confirmed"
done
expect_status 2 "$cli" render-map --db "$db" --level "lunar" "$work/bad.png"
finish
