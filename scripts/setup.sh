#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when everything is present: only dpkg is asked then.
set -euo pipefail

packages=(
  # build and unit tests
  cmake g++ make pkg-config libsigc++-3.0-dev qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev
  # Qt's own dialogs and buttons in the interface language
  qt6-translations-l10n
  # the generator of the build folders
  ninja-build
  # fonts the drawing is measured against
  fonts-liberation2 fonts-dejavu-core
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
  # the chart file type on the desktop, and the Debian package
  shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl dpkg-dev
)

# `setup.sh fuzz` adds clang with its fuzzing and sanitizer runtimes.
if [[ "${1:-}" == fuzz ]]; then packages+=(clang libclang-rt-14-dev); fi

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
