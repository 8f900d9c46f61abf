# preview: the month's run as text and as the JSON object tools read, and the exit status.
. "$(dirname "$0")/common.bash"
demo=$source_dir/demo
db=$work/demo.hwd

expect_status 0 "$cli" new "$db"
expect_status 0 "$cli" import --db "$db" --unknown race "$demo/turn-1.txt" "$demo/turn-2.txt" "$demo/turn-3.txt"

# Brannoc gives 100 silver, the recruits study combat for 80 and borrow the rest of their upkeep
# (60) from him; he works for one man's whole wage (15) and pays his own 20.
printf '#veldoria 12 "pw"\nunit 201\ngive 206 100 silv\nunit 206\nstudy combat\n#end\n' >"$work/month.txt"
expect_status 0 "$cli" preview --db "$db" --json "$work/month.txt"
expect_contains "$work/out" '"number": 201, .*"certain": true, .*"items": {"SILV": 935}'
expect_contains "$work/out" '"number": 206, .*"x": 10, "y": 10, "level": "surface", "structure": 0, "men": {"PLAI": 8}, "items": {}, "skills": {"COMB": \[1, 30\]}, "route": \[\[10, 10, "surface"\]\], "down_shaft": false}'
expect_contains "$work/out" '^{"rules": "standard",$'
expect_contains "$work/out" '"problems": \[\]}'
python3 -c 'import json,sys; json.load(open(sys.argv[1]))' "$work/out" || fail "not JSON: $(head -c 400 "$work/out")"

expect_status 0 "$cli" preview --db "$db" "$work/month.txt"
expect_contains "$work/out" '^Unit 206 in (10,10)$'
expect_contains "$work/out" '^  skills: COMB none -> 1 (30)$'
expect_contains "$work/out" '^  items: SILV 1100 -> 935$'

# What the trades leave in Ashford's markets.
printf '#veldoria 12 "pw"\nunit 201\ngive 206 500 silv\nunit 206\nbuy 2 hors\nbuy 2 plai\n#end\n' >"$work/trade.txt"
expect_status 0 "$cli" preview --db "$db" "$work/trade.txt"
expect_contains "$work/out" '^Market in (10,10): for sale HORS unlimited, 2 bought at \$70$'
expect_contains "$work/out" '^Market in (10,10): for sale PLAI 22 -> 20 at \$55$'
expect_status 0 "$cli" preview --db "$db" --json "$work/trade.txt"
expect_contains "$work/out" '{"x": 10, "y": 10, "level": "surface", "code": "PLAI", "wanted": false, "price": 55, "before": 22, "traded": 2, "unlimited": false}'

# Problems come in compiler form, tied to their lines; a formed unit carries its alias.
printf '#veldoria 12 "pw"\nunit 206\nbuy 5 HDWA\nstudy combat\nform 1\nclaim 50\nend\n#end\n' >"$work/bad.txt"
expect_status 1 "$cli" preview --db "$db" "$work/bad.txt"
expect_contains "$work/out" "^$work/bad.txt:3:1: error: Unit 206: BUY: Can't buy 5 hill dwarves \[HDWA\].$"
expect_contains "$work/out" "^$work/bad.txt:4:1: error: Unit 206: STUDY: Not enough funds to study combat \[COMB\].$"
expect_contains "$work/out" "^$work/bad.txt:5:1: warning: New unit 1: new unit 1 has no men after buying and is removed; its goods pass to unit 201.$"
expect_status 1 "$cli" preview --db "$db" --json "$work/bad.txt"
expect_contains "$work/out" '{"line": 3, "unit": 206, "kind": "error", "message": "BUY: Can'"'"'t buy 5 hill dwarves \[HDWA\]."}'

# Numbers past 32 bits are the server's errors, tied to their lines.
printf '#veldoria 12 "pw"\nunit 201\nclaim 99999999999\ngive 206 99999999999 silv\n#end\n' >"$work/big.txt"
expect_status 1 "$cli" preview --db "$db" "$work/big.txt"
expect_contains "$work/out" "^$work/big.txt:3:1: error: Unit 201: CLAIM: No amount given.$"
expect_contains "$work/out" "^$work/big.txt:4:1: error: Unit 201: GIVE: Illegal amount given.$"
expect_contains "$work/out" "^Unclaimed silver: 700 -> 700$"

# Without a file, the stored orders; the rule set can be chosen.
expect_status 0 "$cli" preview --db "$db" --rules new --json
expect_contains "$work/out" '^{"rules": "new",$'

# Damaged input gives problems, never a crash.
head -c 20000 /dev/urandom >"$work/garbage.txt"
"$cli" preview --db "$db" "$work/garbage.txt" >/dev/null 2>&1
status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 1 ] || fail "garbage orders gave status $status"

expect_status 2 "$cli" preview "$work/month.txt"
expect_status 2 "$cli" preview --db "$db" --rules odd "$work/month.txt"
expect_status 2 "$cli" preview --db "$db" a.txt b.txt
expect_status 1 "$cli" preview --db "$db" "$work/missing.txt"
expect_status 0 "$cli" preview --help
expect_contains "$work/out" "Usage: hexwarden-cli preview"
finish
