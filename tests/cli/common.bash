# Shared by the command-line checks: $cli is the tool, $source the project, $work a scratch folder.
set -u
cli=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# Nothing may wait for answers on the terminal of whoever runs the checks.
exec </dev/null

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_status STATUS COMMAND...: runs the command, output to $work/out and $work/err.
expect_status() {
    local expected=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq "$expected" ] || fail "'$*' exited $status, expected $expected; stderr: $(head -c 400 "$work/err")"
}

expect_contains() {
    grep -q -- "$2" "$1" || fail "$1 does not contain '$2': $(head -c 400 "$1")"
}

finish() {
    [ "$failures" -eq 0 ] || exit 1
    echo "all checks passed"
}
