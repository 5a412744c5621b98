#!/usr/bin/env bash
# The gallery verb draws a PNG picture without a display and says why it fails.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY "$QUOBRIX_PROGRAM" --gallery "$out/gallery.png"
[[ "$(head -c 8 "$out/gallery.png" | od -An -tx1 | tr -d ' \n')" == "89504e470d0a1a0a" ]]

if "$QUOBRIX_PROGRAM" --gallery "$out/missing/gallery.png" 2>"$out/err"; then exit 1; fi
grep -q "cannot write" "$out/err"
