# The demo game end to end: import, factions, map data round trip, orders.
. "$(dirname "$0")/common.bash"
demo=$source_dir/demo
db=$work/demo.hwd

expect_status 0 "$cli" import --db "$db" --orders template --unknown race \
    "$demo/turn-1.txt" "$demo/turn-2.txt" "$demo/turn-3.txt" "$demo/turn-3-ally.txt"
expect_status 0 "$cli" import-factions --db "$db" "$demo/factions.txt"
expect_contains "$work/out" "Imported 4 faction(s)."
expect_status 0 "$cli" info --json "$db"
expect_contains "$work/out" '"turn": 27'
expect_contains "$work/out" '"number": 12, "name": "Ironhold Company"'
expect_contains "$work/out" '"gates": 1'

# An older report is refused and the file keeps the state after the last good report.
cp "$db" "$work/before.hwd"
expect_status 1 "$cli" import --db "$db" "$demo/turn-1.txt"
expect_contains "$work/err" "Previous turns cannot be imported."
cmp -s "$db" "$work/before.hwd" || fail "a refused report changed the data file"

# A report that is not one fails, leaves the file alone and stops the remaining reports.
printf 'nothing to see here\n' >"$work/bogus.txt"
expect_status 1 "$cli" import --db "$db" "$work/bogus.txt" "$demo/turn-3.txt"
expect_contains "$work/err" "Invalid file - cannot locate Veldoria Report data."
cmp -s "$db" "$work/before.hwd" || fail "a failed import changed the data file"

# Map data: export the whole overworld, import it into a fresh database.
expect_status 0 "$cli" export-map --db "$db" --from 20,20 --to 0,0 --gates "$work/map.txt"
expect_contains "$work/out" "Export completed successfully."
expect_contains "$work/map.txt" "\[Hex 10,12,Overworld\]"
expect_contains "$work/map.txt" "Gate=3"
expect_status 0 "$cli" new "$work/other.hwd"
expect_status 0 "$cli" import-map --db "$work/other.hwd" "$work/map.txt"
expect_contains "$work/out" "Import completed. Hexes added: [1-9][0-9]*; replaced: 0; kept because they were not older: 0."
expect_status 0 "$cli" import-map --db "$work/other.hwd" "$work/map.txt"
expect_contains "$work/out" "Import completed. Hexes added: 0; replaced: 0; kept because they were not older: [1-9]"
expect_status 0 "$cli" info --json "$work/other.hwd"
expect_contains "$work/out" '"overworld": {"confirmed": 4'

# A malformed number, a cut file and a file that is not map data import nothing and say why.
cp "$work/other.hwd" "$work/other-before.hwd"
header='[VELDORIA DATA]\r\nTurn=30\r\nSource=Testers (7)\r\n\r\n'
printf "$header"'[Hex 1,1,Overworld]\r\nTurn=30\r\nTerrain=\r\nConfirmed=True\r\nWages=lots\r\nMax Wages=1\r\n' >"$work/bad-map.txt"
printf "$header"'[Hex 12,12,Overworld]\r\nTurn=30\r\nTerrain=plain\r\nConfirmed=True\r\nTax Base=12' >"$work/cut-map.txt"
for map in bad-map.txt:"Line 9, section \\[Hex 1,1,Overworld\\], Wages=lots: 'lots' is not a valid integer value. Nothing was imported." \
    cut-map.txt:"The file ends inside line 9, in section \\[Hex 12,12,Overworld\\]: it was cut short. Nothing was imported." \
    other-before.hwd:"This is not a map-data file: its first line is not \\[VELDORIA DATA\\]. Nothing was imported."; do
    expect_status 1 "$cli" import-map --db "$work/other.hwd" "$work/${map%%:*}"
    expect_contains "$work/err" "${map#*:}"
    cmp -s "$work/other.hwd" "$work/other-before.hwd" || fail "a failed map import (${map%%:*}) changed the data file"
done

# Orders: the template's repeating orders come back out; units without orders are listed.
expect_status 1 "$cli" orders --db "$db" --password 'se"cret' "$work/orders.txt"
expect_contains "$work/err" "The password cannot hold"
[ -e "$work/orders.txt" ] && fail "orders written with a password the header cannot hold"
expect_status 0 "$cli" orders --db "$db" --password 'se cret' "$work/orders.txt"
expect_contains "$work/out" "The order file has been generated."
expect_contains "$work/err" "Units without Orders:"
expect_contains "$work/err" "Miners (203)"
head -n 1 "$work/orders.txt" | grep -q '^#veldoria 12 "se cret"' || fail "orders header: $(head -n 1 "$work/orders.txt")"
expect_contains "$work/orders.txt" "    @tax"
tail -c 5 "$work/orders.txt" | od -c | grep -q '#   e   n   d  \\n' || fail "orders file does not end with #end LF"
grep -q $'\r' "$work/orders.txt" && fail "orders file holds a carriage return"

finish
