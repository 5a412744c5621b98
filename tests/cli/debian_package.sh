#!/usr/bin/env bash
# The Debian package is one a distribution would take: lintian finds no error
# or warning in it, its AppStream metadata and desktop entry validate, and its
# manual page reads cleanly and names every option the program's --help names.
set -u
q=${QUOBRIX_PROGRAM:?}
build=$(dirname "$q")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack lintian appstreamcli desktop-file-validate man dpkg-deb; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dir/out" > "$dir/cpack.log" 2>&1 || { cat "$dir/cpack.log"; fail "cpack"; }
deb=$(ls "$dir"/out/*.deb) || fail "no package was made"

lintian --tag-display-limit 0 "$deb" > "$dir/lintian.log" 2>&1
cat "$dir/lintian.log"
! grep -q '^[EW]: ' "$dir/lintian.log" || fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$dir/root"
root="$dir/root/usr/share"
appstreamcli validate --no-net "$root"/metainfo/*.metainfo.xml || fail "the AppStream metadata does not validate"
grep -q "<launchable type=\"desktop-id\">quobrix.desktop</launchable>" "$root"/metainfo/*.metainfo.xml ||
  fail "the AppStream metadata launches no installed desktop entry"
desktop-file-validate "$root/applications/quobrix.desktop" || fail "the desktop entry does not validate"

man_page="$root/man/man1/quobrix.1.gz"
[ -f "$man_page" ] || fail "no manual page"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" > "$dir/man.txt" 2> "$dir/man.err" || fail "man cannot show the page"
[ ! -s "$dir/man.err" ] || { cat "$dir/man.err"; fail "the manual page has formatting faults"; }
options=$("$q" --help | grep -o -- '--[a-z-]*' | sort -u)
[ -n "$options" ] || fail "--help names no options"
for option in $options; do
  grep -q -- "$option" "$dir/man.txt" || fail "the manual page does not describe $option"
done
echo "PASS"
