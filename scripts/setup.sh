#!/usr/bin/env bash
# Installs the Debian packages a task needs: `setup.sh` what the program needs
# to build and run; `setup.sh test`, `package`, `bench` or `fuzz` adds what the
# tests, the Debian package, the benchmarks or the fuzz targets need too.
# Quick when everything is present: only dpkg is asked then.
set -euo pipefail

program=(
  # the build
  cmake g++ make pkg-config ninja-build libsigc++-3.0-dev qt6-base-dev qt6-svg-dev
  # Qt's own dialogs and buttons in the interface language
  qt6-translations-l10n
  # fonts the drawing is measured against
  fonts-liberation2 fonts-dejavu-core
  # links opened in the browser, the chart file type on the desktop
  xdg-utils shared-mime-info desktop-file-utils
)
package=(dpkg-dev)
tests=(
  "${package[@]}"
  # unit tests
  libgtest-dev libgmock-dev
  # windows under a virtual display, their menus and focus, screenshots, PDF checks
  xvfb xauth xdotool x11-utils xclip imagemagick poppler-utils
  # a window manager the tool windows are stacked by
  openbox
  # printing to a system printer: a scheduler the test starts and a virtual PDF printer
  cups-daemon cups-client printer-driver-cups-pdf
  # buttons found by their accessible names: a session bus, the accessibility bus, its Python binding
  dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi
  # the programs written from charts are compiled and run against the ones they were drawn from
  fp-compiler
  # independent EMF readers used to validate exported metafiles
  emf2svg librsvg2-bin libreoffice-draw
  # the desktop's view of the chart file type
  libfile-mimeinfo-perl
  # the Debian package's checks: its policy, its AppStream metadata, its manual page
  lintian appstream man-db
)
bench=(libbenchmark-dev)
# clang with its fuzzing and sanitizer runtimes
fuzz=(clang libclang-rt-14-dev)

packages=("${program[@]}")
for task in "$@"; do
  case "$task" in
    test) packages+=("${tests[@]}") ;;
    package) packages+=("${package[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    *) echo "setup: unknown task '$task' (test, package, bench or fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
