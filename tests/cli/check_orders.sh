# check-orders: compiler-style lines, the count, and the exit status.
. "$(dirname "$0")/common.bash"
demo=$source_dir/demo
db=$work/demo.hwd

expect_status 0 "$cli" new "$db"
expect_status 0 "$cli" import --db "$db" --orders template --unknown race "$demo/turn-1.txt" "$demo/turn-2.txt" "$demo/turn-3.txt"

printf '#veldoria 12 "pw"\nunit 1\nwork\nbuy 5 unicorns\nstudy\n#end\n' >"$work/bad.txt"
expect_status 1 "$cli" check-orders --db "$db" --rules standard "$work/bad.txt"
expect_contains "$work/out" "^$work/bad.txt:4:7: error: BUY: Invalid item 'unicorns'.$"
expect_contains "$work/out" "^$work/bad.txt:5:6: error: STUDY: No skill given.$"
expect_contains "$work/out" "^2 errors, "

# Warnings alone leave the status at 0.
printf '#veldoria 12\n#end\n' >"$work/warn.txt"
expect_status 0 "$cli" check-orders --db "$db" "$work/warn.txt"
expect_contains "$work/out" "warn.txt:1:13: warning: No password on #veldoria line."
expect_contains "$work/out" "^0 errors, 1 warning"

# A CR LF file is rejected line by line, as the server would.
printf '#veldoria 12 "pw"\r\nunit 1\r\nwork\r\n#end\r\n' >"$work/crlf.txt"
expect_status 1 "$cli" check-orders --db "$db" "$work/crlf.txt"
[ "$(grep -c 'error: Carriage return' "$work/out")" -eq 4 ] || fail "not one CR error per line: $(cat "$work/out")"

# Without a file, the orders the orders command would write.
expect_status 0 "$cli" check-orders --db "$db"
expect_contains "$work/out" "errors, "

# A password with a double quote cannot be written into the header, from the database's orders
# or in a file; the game would read another password.
expect_status 1 "$cli" check-orders --db "$db" --password 'se"cret'
expect_contains "$work/out" "^$db\[orders\]:1:[0-9]*: error: The password cannot hold '\"'"
expect_status 0 "$cli" check-orders --db "$db" --password 'secret word'
printf '#veldoria 12 "se"cret"\n#end\n' >"$work/quote.txt"
expect_status 1 "$cli" check-orders --db "$db" "$work/quote.txt"
expect_contains "$work/out" "quote.txt:1:14: error: The password cannot hold '\"'"
expect_status 2 "$cli" check-orders --db "$db" --password x "$work/quote.txt"

# Damaged input gives problems, never a crash.
head -c 20000 /dev/urandom >"$work/garbage.txt"
"$cli" check-orders --db "$db" "$work/garbage.txt" >/dev/null 2>&1
status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 1 ] || fail "garbage orders gave status $status"

expect_status 2 "$cli" check-orders "$work/bad.txt"
expect_status 2 "$cli" check-orders --db "$db" --rules odd "$work/bad.txt"
expect_status 2 "$cli" check-orders --db "$db" a.txt b.txt
expect_status 1 "$cli" check-orders --db "$db" "$work/missing.txt"
expect_status 0 "$cli" check-orders --help
expect_contains "$work/out" "Usage: hexwarden-cli check-orders"
finish
