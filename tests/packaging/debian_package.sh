#!/usr/bin/env bash
# "cpack -G DEB" makes the package: its control fields carry the library
# dependencies, and the package unpacked into a temporary root runs
# ombrixconv through its bin/ link on a shipped definition.
#   debian_package.sh BUILD_DIR
# Exit status 77 (skipped) when the Debian tools are missing.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/quavomat_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\):/\1:/p'

[ "$(dpkg-deb -f "$deb" Package)" = quavomat ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.8.0 ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# Files owned by root, as dpkg installs them.
dpkg-deb -c "$deb" | awk '$2 != "root/root" {print; bad = 1} END {exit bad}' ||
    fail "files not owned by root"

root=$work/root
dpkg-deb -x "$deb" "$root"
[ -L "$root/usr/bin/ombrixconv" ] || fail "no bin/ombrixconv link"
[ -f "$root/usr/share/applications/example.quavomat.ombrixgo.desktop" ] || fail "no desktop entry"
home=$work/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data LC_ALL=C
out=$("$root/usr/bin/ombrixconv" --decimal-separator . Euro-NLG 100)
[ "$out" = "45.38" ] || fail "Euro-NLG 100 gave '$out'"
out=$("$root/usr/bin/ombrixconv" --decimal-separator . "Veldmark dialling codes" "020 123456")
[ "$out" = "0420 123456" ] || fail "dialling codes gave '$out'"
echo "the unpacked ombrixconv converts through bin/"
