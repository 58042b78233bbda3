# shellcheck shell=sh
# The checks of a test written in sh, sourced by it. `check DESCRIPTION
# COMMAND...` runs the command and counts it as passed or failed, naming a
# failure; `checksPassed` gives the counts and fails if any check failed.
passed=0
failed=0
check() {
    description=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $description"
        failed=$((failed + 1))
    fi
}
checksPassed() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
