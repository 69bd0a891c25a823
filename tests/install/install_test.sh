#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as `make install` does, checks the .desktop entry,
# the icons and the ".tdl" file type, then uninstalls as `make uninstall` does and expects no file
# left. Argument: the build folder. The manifest gets its own name, so that the
# install_manifest.txt of a real install stays as it is.
set -euo pipefail
build=$(cd "$1" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
[[ -n "$prefix" ]] || fail "no CMAKE_INSTALL_PREFIX in $build/CMakeCache.txt"
root="$stage/root"
# Every install rule is in the default component; naming it gives the manifest its own name.
DESTDIR="$root" cmake -DCMAKE_INSTALL_COMPONENT=Unspecified -P "$build/cmake_install.cmake" >/dev/null
manifest="$build/install_manifest_Unspecified.txt"
[[ -f "$manifest" ]] || fail "the install wrote no manifest"
[[ -x "$root$prefix/bin/railvane" ]] || fail "the program is not installed"
"$root$prefix/bin/railvane" --version | grep -q Railvane || fail "the installed program does not run"

desktop="$root$prefix/share/applications/railvane.desktop"
desktop-file-validate "$desktop" || fail "the .desktop entry does not validate"
grep -qx "Exec=$prefix/bin/railvane %f" "$desktop" || fail "the entry does not start the installed program with the file"
grep -qx "MimeType=application/x-railvane-layout;" "$desktop" || fail "the entry does not claim .tdl layouts"

for size in 16 22 24 32 48 64 128; do
  icon="$root$prefix/share/icons/hicolor/${size}x${size}/apps/railvane.png"
  [[ -f "$icon" ]] || fail "no ${size}px icon"
  # A PNG starts with its 8-byte signature; its header chunk then gives width and height.
  read -r -a b <<<"$(od -An -tu1 -N24 "$icon" | tr -s ' \n' ' ')"
  [[ "${b[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || fail "the ${size}px icon is not a PNG"
  w=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
  h=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
  [[ "$w x $h" == "$size x $size" ]] || fail "the ${size}px icon is $w x $h"
done

mime="$root$prefix/share/mime/packages/railvane-layout.xml"
xmllint --noout "$mime" || fail "the file type is not well-formed XML"
# The desktop's own tool builds its database from the file: the type and its pattern must be in it.
mkdir -p "$stage/mime/packages"
cp "$mime" "$stage/mime/packages/"
update-mime-database "$stage/mime" 2>/dev/null || fail "update-mime-database refuses the file type"
[[ -f "$stage/mime/application/x-railvane-layout.xml" ]] || fail "the database has no application/x-railvane-layout"
grep -qx "application/x-railvane-layout:\*.tdl" "$stage/mime/globs" || fail "*.tdl is not mapped to the layout type"

DESTDIR="$root" cmake -DMANIFEST="$manifest" -P "$(dirname "$0")/../../scripts/uninstall.cmake" >/dev/null
rm -f "$manifest"
left=$(find "$root" -type f -o -type l)
[[ -z "$left" ]] || fail "files left after uninstall: $left"
echo "install, validate and uninstall: ok"
