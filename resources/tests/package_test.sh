#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks its control fields and contents.
set -u
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out-deb" >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi
deb=$(ls "$work"/out-deb/trazalia_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }

check "package name and version" test "$(field Package) $(field Version)" = "trazalia 0.1.0"
check "architecture of this machine" test "$(field Architecture)" = "$(dpkg --print-architecture)"
check "libraries found by shlibdeps" bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6 (>= ' "
check "run-time plugins and font" \
    bash -c "dpkg-deb -f '$deb' Depends | grep -q 'qt6-qpa-plugins' && dpkg-deb -f '$deb' Depends | grep -q 'fonts-liberation2'"
check "maintainer" bash -c "dpkg-deb -f '$deb' Maintainer | grep -q '<.*@.*>'"

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/files"
for f in ./usr/bin/trazalia \
    ./usr/share/applications/org.trazalia.Trazalia.desktop \
    ./usr/share/metainfo/org.trazalia.Trazalia.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.trazalia.Trazalia.svg \
    ./usr/share/icons/hicolor/32x32/apps/org.trazalia.Trazalia.png \
    ./usr/share/icons/hicolor/256x256/apps/org.trazalia.Trazalia.png \
    ./usr/share/man/man1/trazalia.1; do
    check "package holds $f" grep -qx "$f" "$work/files"
done
dpkg-deb -x "$deb" "$work/root"
check "binary is stripped" bash -c "file '$work/root/usr/bin/trazalia' | grep -q ', stripped'"

finish
