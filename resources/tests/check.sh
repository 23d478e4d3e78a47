# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the install and package tests (sourced). `check NAME COMMAND...` counts a pass when the
# command succeeds and shows its output when it fails; `finish` prints the tally and sets the status.
# Expects $work, a scratch folder.
passes=0
fails=0

check() {
    local name=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passes=$((passes + 1))
    else
        echo "FAIL: $name"
        sed 's/^/  /' "$work/out"
        fails=$((fails + 1))
    fi
}

finish() {
    echo "$passes passed, $fails failed"
    [ "$fails" -eq 0 ]
}
