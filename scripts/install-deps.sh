#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not yet on this Debian 12 machine.
# `install-deps.sh fuzz` also installs clang with its libFuzzer and sanitizer runtimes.
# Checks each package first, so a machine that has everything runs no apt-get at all and prints
# nothing. Uses sudo only when not run as root; stops with a clear message (exit 1) when it cannot
# install: no apt, no sudo, or no network.
set -euo pipefail

# package  why it is needed (one line each; the reason is printed when the package is installed)
wanted=(
  "build-essential|C++20 compiler and make"
  "cmake|configures the build"
  "pkg-config|finds the libraries for cmake"
  "libwxgtk3.2-dev|wxWidgets 3.2 on GTK 3, the window toolkit"
  "libglu1-mesa-dev|OpenGL utility library for the 3D view"
  "libgl-dev|OpenGL headers for the 3D view"
  "libcairo2-dev|cairo's PDF surface, which the PDF export draws the pages on"
  "poppler-utils|pdfinfo and pdftoppm, which the PDF export tests read the files with"
  "libgtest-dev|GoogleTest, the test framework"
  "libgmock-dev|GoogleMock, used by the tests"
  "libbenchmark-dev|Google Benchmark, for bench/"
  "xvfb|virtual display for the window tests without a screen"
  "xauth|lets xvfb-run start the virtual display"
  "xfonts-base|fonts for the virtual display"
  "xdotool|presses keys in the running program for the kill-and-restart test"
  "desktop-file-utils|checks the installed .desktop entry (install test)"
  "shared-mime-info|registers the .tdl file type on install (and checks it in the install test)"
  "libxml2-utils|xmllint, checks the installed MIME type file (install test)"
)
if [[ "${1:-}" == fuzz ]]; then
  wanted+=(
    "clang|the compiler of the fuzz build (make fuzz)"
    "libclang-rt-14-dev|libFuzzer and the sanitizer runtimes for clang"
    "llvm-14|llvm-symbolizer, for readable stack traces of fuzz findings"
  )
fi

say() { echo "install-deps: $*" >&2; }
fail() {
  say "$*"
  exit 1
}

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  names=()
  for entry in "${wanted[@]}"; do names+=("${entry%%|*}"); done
  fail "this is not a Debian system with apt; install these (or your system's equivalents) yourself: ${names[*]}"
fi

missing=()
reasons=()
for entry in "${wanted[@]}"; do
  p=${entry%%|*}
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$p")
    reasons+=("${entry#*|}")
  fi
done

((${#missing[@]} == 0)) && exit 0

say "installing ${#missing[@]} missing Debian package(s) with apt-get:"
for i in "${!missing[@]}"; do
  printf '  %-18s %s\n' "${missing[$i]}" "${reasons[$i]}" >&2
done

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null 2>&1 ||
    fail "not running as root and sudo is not installed; run this once as root: bash $0"
  as_root=(sudo)
  say "not running as root, so apt-get runs through sudo (it may ask for your password)"
  sudo -v || fail "sudo refused (no password given or this user may not use sudo); run this once as root: bash $0"
fi

# --error-on=any: without it apt-get update reports an unreachable mirror only as a warning.
if ! "${as_root[@]}" apt-get update -qq --error-on=any; then
  fail "apt-get update failed: no network, or the package mirrors listed in /etc/apt/sources.list(.d) cannot be reached; nothing was installed"
fi
if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  fail "apt-get install failed (see the messages above: network, disk space or a held package); not all of ${missing[*]} are installed"
fi
say "done"
