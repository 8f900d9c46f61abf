# Saving through links, the export's default corners, clearing orders, a faction list that fails.
. "$(dirname "$0")/common.bash"
demo=$source_dir/demo
mkdir "$work/games"
db=$work/games/demo.hwd

# The database reached through a link is saved into the file the link names, keeping its rights.
expect_status 0 "$cli" new "$db"
chmod 600 "$db"
ln -s games/demo.hwd "$work/link.hwd"
expect_status 0 "$cli" import --db "$work/link.hwd" --orders template --unknown race \
    "$demo/turn-1.txt" "$demo/turn-2.txt" "$demo/turn-3.txt" "$demo/turn-3-ally.txt"
[ -L "$work/link.hwd" ] || fail "the link was replaced by a file"
[ "$(stat -c %a "$db")" = 600 ] || fail "the saved file has rights $(stat -c %a "$db"), not 600"
expect_status 0 "$cli" info --json "$db"
expect_contains "$work/out" '"turn": 27'

# Without corners the whole level goes out; a corner left out is the level's own.
hexes() { grep -c '^\[Hex ' "$1"; }
expect_status 0 "$cli" export-map --db "$db" "$work/all.txt"
[ "$(hexes "$work/all.txt")" -eq 17 ] || fail "whole overworld: $(hexes "$work/all.txt") hexes, not 17"
expect_status 0 "$cli" export-map --db "$db" --level underworld "$work/under.txt"
[ "$(hexes "$work/under.txt")" -eq 3 ] || fail "whole underworld: $(hexes "$work/under.txt") hexes, not 3"
expect_status 0 "$cli" export-map --db "$db" --from 11,0 "$work/east.txt"
[ "$(hexes "$work/east.txt")" -eq "$(grep -c '^\[Hex 1[1-9],' "$work/all.txt")" ] || fail "--from 11,0 without --to"
expect_status 0 "$cli" export-map --db "$db" --to 10,99 "$work/west.txt"
[ "$(hexes "$work/west.txt")" -eq "$(grep -c '^\[Hex \([0-9]\|10\),' "$work/all.txt")" ] || fail "--to 10,99 without --from"
expect_status 2 "$cli" export-map --db "$db" --to 10 "$work/bad.txt"
[ "$("$cli" export-map --db "$db" /dev/stdout | grep -c '^\[Hex ')" -eq 17 ] || fail "export into a pipe"

# --orders clear empties the orders of every own unit of the report.
expect_status 0 "$cli" import --db "$db" --orders clear "$demo/turn-3.txt"
expect_status 0 "$cli" orders --db "$db" "$work/orders.txt"
grep -q '@tax' "$work/orders.txt" && fail "orders survived --orders clear"
[ "$(grep -c '^  ' "$work/err")" -eq 5 ] || fail "not all five own units are without orders: $(cat "$work/err")"

# A faction line without a number stops the import and leaves the file as it was.
cp "$db" "$work/before.hwd"
printf 'Newcomers (40), new@example.org\nNobody, nobody@example.org\n' >"$work/factions.txt"
expect_status 1 "$cli" import-factions --db "$db" "$work/factions.txt"
expect_contains "$work/err" "'Nobody, nobody@example.org' is not a valid integer value"
grep -q 'Imported' "$work/out" && fail "a failed faction list reported success"
cmp -s "$db" "$work/before.hwd" || fail "a failed faction list changed the data file"

finish
