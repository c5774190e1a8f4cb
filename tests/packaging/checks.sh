# SPDX-License-Identifier: GPL-3.0-or-later
# The tally of a check script, sourced by each: a failing check says why and is counted, so that
# one run names every fault; finish ends the script with the count or with its success line.
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "$1"
}
