# Codes neither a report nor the game's own item table describes: guessed with a warning, asked on
# request, never silently. Codes the game's table knows are placed without either.
. "$(dirname "$0")/common.bash"

report() {  # report DATE ITEM-REPORTS: a one-region report whose units carry beetles, tusks, swords and a wolf
    printf 'Veldoria Report For:\nTesters (7) (War 1, Trade 1, Magic 1)\n%s\n\n' "$1"
    printf 'Faction Status:\nTax Regions: 0 (5)\nTrade Regions: 0 (5)\nMages: 0 (1)\n\n'
    printf 'Events during turn:\nHunter (100): Claims $10.\n\n%s' "$2"
    printf 'Declared Attitudes (default Neutral):\nHostile : none.\n\nUnclaimed silver: 5.\n\n'
    printf 'plain (2,2) in Ardmoor, 900 peasants (plainsmen), $600.\n'
    printf -- '------------------------------------------------------------\n'
    printf '  Wages: $12.\n  Wanted: none.\n  For Sale: none.\n  Products: none.\n\n'
    printf '* Hunter (100), Testers (7), leader [LEAD], 3 moon beetles [MBEE], 2 dragon'"'"'s\n'
    printf '  tusks [DTUS], 14 swords [SWOR], 5 silver [SILV].\n* Helper (101), Testers (7), moon beetle\n'
    printf '  [MBEE], wolf [WOLF].\n'
}
report "March, Year 1" "" >"$work/plain.txt"
report "April, Year 1" $'Item reports:\n\nmoon beetle [MBEE], weight 10. This is a monster.\n\n' >"$work/described.txt"

# Not on a terminal: "item" for each unknown code, one warning per code.
expect_status 0 "$cli" new "$work/guess.hwd"
expect_status 0 "$cli" import --db "$work/guess.hwd" "$work/plain.txt" </dev/null
[ "$(grep -c '^warning: ' "$work/err")" -eq 2 ] || fail "one warning per guessed code expected: $(cat "$work/err")"
expect_contains "$work/err" "warning: MBEE (\"moon beetles\") is described by no report; taken as an item. If it is a race or creature, import again with --unknown race or --unknown ask."
expect_contains "$work/err" "DTUS (\"dragon's tusks\")"
grep -q "SWOR\|WOLF" "$work/err" && fail "a code the game's table knows was guessed: $(cat "$work/err")"

# --unknown race guesses the other way and says so; a described code is no guess.
expect_status 0 "$cli" new "$work/race.hwd"
expect_status 0 "$cli" import --db "$work/race.hwd" --unknown race "$work/plain.txt"
expect_contains "$work/err" "taken as a race or creature. If it is an item, import again with --unknown item"
grep -q "SWOR\|WOLF" "$work/err" && fail "--unknown race reached a code the game's table knows: $(cat "$work/err")"
expect_status 0 "$cli" new "$work/described.hwd"
expect_status 0 "$cli" import --db "$work/described.hwd" "$work/described.txt" </dev/null
grep -q MBEE "$work/err" && fail "a monster the report describes was guessed: $(cat "$work/err")"
# The tusks follow the beetles, which are now known as creatures: still a guess.
expect_contains "$work/err" "DTUS"

# --unknown ask reads the answers from standard input; without one the import fails and the file stays.
expect_status 0 "$cli" new "$work/ask.hwd"
printf 'i\n' | "$cli" import --db "$work/ask.hwd" --unknown ask "$work/plain.txt" >"$work/out" 2>"$work/err" || fail "answered import failed: $(cat "$work/err")"
expect_contains "$work/err" "Code: MBEE"
grep -q "Code: DTUS" "$work/err" && fail "the tusks after what the user called an item were asked about"
expect_status 0 "$cli" new "$work/unanswered.hwd"
cp "$work/unanswered.hwd" "$work/before.hwd"
expect_status 1 "$cli" import --db "$work/unanswered.hwd" --unknown ask "$work/plain.txt" </dev/null
expect_contains "$work/err" "No answer to the question about MBEE."
cmp -s "$work/unanswered.hwd" "$work/before.hwd" || fail "an unanswered import changed the data file"

finish
