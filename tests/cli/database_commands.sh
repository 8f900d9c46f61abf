# new, info and their failures.
. "$(dirname "$0")/common.bash"

expect_status 0 "$cli" new "$work/x.hwd"
[ "$(stat -c %s "$work/x.hwd")" -eq 1091 ] || fail "new database is not 1091 bytes"
[ "$(head -c 10 "$work/x.hwd" | od -An -tx1 | tr -d ' \n')" = "ae47e17a14ae4781ff3f" ] || fail "wrong version bytes"

expect_status 0 "$cli" info --json "$work/x.hwd"
expect_contains "$work/out" '"terrains": 8'
expect_contains "$work/out" '"races": 17'
expect_contains "$work/out" '"items": 1'
expect_contains "$work/out" '"default_attitude": 3'
python3 -c 'import json,sys; json.load(open(sys.argv[1]))' "$work/out" 2>/dev/null || fail "info --json is not one JSON object"

expect_status 0 "$cli" info "$work/x.hwd"
expect_contains "$work/out" "Turn:"

# Damaged files: a message and status 1, never a crash.
head -c 500 "$work/x.hwd" >"$work/truncated.hwd"
expect_status 1 "$cli" info "$work/truncated.hwd"
expect_contains "$work/err" "Stream read error"
head -c 20000 /dev/urandom >"$work/garbage.hwd"
"$cli" info "$work/garbage.hwd" >/dev/null 2>&1
status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 1 ] || fail "garbage file gave status $status"
expect_status 1 "$cli" info "$work/missing.hwd"
expect_contains "$work/err" "Error while attempting to open data file."
expect_status 1 "$cli" new "$work/no/such/folder/x.hwd"
expect_contains "$work/err" "Error while attempting to create file."

# Usage errors and help.
expect_status 2 "$cli"
expect_status 2 "$cli" frobnicate
expect_status 2 "$cli" info
expect_status 2 "$cli" info --bogus "$work/x.hwd"
expect_status 2 "$cli" import "$work/x.hwd"
for command in new info import import-factions export-map import-map orders; do
    expect_status 0 "$cli" "$command" --help
    expect_contains "$work/out" "Usage: hexwarden-cli $command"
done

finish
