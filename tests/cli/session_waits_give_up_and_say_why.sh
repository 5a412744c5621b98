#!/usr/bin/env bash
# The waits the display sessions are built on: a condition met after a few
# tries ends the wait; one never met gives up after its time and names what
# was awaited; a missing tool and a program ending badly fail the session.
set -u
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Runs the shell commands with the helpers in a shell of their own, which
# is ended if it hangs: its status and output are what the test looks at.
session() { timeout 60 bash -c "source '$xlib'; $1" 2>&1; }

tries=0
third_try() { tries=$((tries + 1)); [ "$tries" -ge 3 ]; }
wait_until 20 third_try || fail "a condition met at the third try was given up"
[ "$tries" = 3 ] || fail "the condition was tried $tries times"

said=$(session "wait_until 1 test -e '$dir/never'")
status=$?
[ "$status" = 1 ] || fail "a wait for what never comes ended with status $status"
[ "$said" = "waited 1 s in vain for: test -e $dir/never" ] || fail "a wait given up said '$said'"

said=$(session "need_tools bash no-such-tool; echo went on")
status=$?
[ "$status" = 1 ] && [ "$said" = "FAIL: no-such-tool not installed (scripts/setup.sh installs what these tests need)" ] ||
  fail "a missing tool ended the session with status $status, saying '$said'"

said=$(session "(exit 3) & wait_exit \$!; echo went on")
status=$?
[ "$status" = 1 ] && [ "$said" = "FAIL: the program exited with 3" ] ||
  fail "a program that failed ended the session with status $status, saying '$said'"
echo "1 passed, 0 failed"
