#!/usr/bin/env bash
# Usage: run_cli_tests.sh CASES_DIR [RUNNER] CLI
# Runs every case script in CASES_DIR/cases/*.sh. A case calls `check NAME EXPECTED_EXIT ARGS...`
# with the expected standard output on its standard input, and optionally `check_stderr TEXT`.
set -u
casesDir=$1; shift
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0; failed=0

run_cli() { "${cli[@]}" "$@"; }

# check NAME EXIT [ARGS...] < expected-stdout ; stdin of the CLI comes from $CLI_INPUT (a file) or /dev/null
check() {
    local name=$1 expectedExit=$2; shift 2
    cat > "$work/expected"
    local input=${CLI_INPUT:-/dev/null}
    run_cli "$@" < "$input" > "$work/out" 2> "$work/err"
    local code=$?
    if [[ $code -ne $expectedExit ]]; then
        echo "FAIL $name: exit $code, expected $expectedExit"; cat "$work/err"; failed=$((failed + 1)); return
    fi
    if ! cmp -s "$work/expected" "$work/out"; then
        echo "FAIL $name: output differs"; diff <(od -c "$work/expected") <(od -c "$work/out") | head -20
        failed=$((failed + 1)); return
    fi
    passed=$((passed + 1))
}

# check_stderr NAME TEXT: the last check's standard error holds TEXT
check_stderr() {
    if grep -qF -- "$2" "$work/err"; then passed=$((passed + 1)); else
        echo "FAIL $1: standard error lacks '$2':"; cat "$work/err"; failed=$((failed + 1)); fi
}

for caseFile in "$casesDir"/cases/*.sh; do
    # shellcheck source=/dev/null
    source "$caseFile"
done
echo "cli: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
