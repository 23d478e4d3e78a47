#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and checks it as a distribution would: lintian,
# the desktop entry and metadata validators, the man page, the control fields and the contents.
set -u
build="$1"
version="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/check.sh"

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out-deb" >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi
deb=$(ls "$work"/out-deb/trazalia_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
silent() { local out; out=$("$@" 2>&1); echo "$out"; [ -z "$out" ]; }  # passes when it says nothing

check "lintian: no error, no warning" lintian --allow-root --fail-on error,warning "$deb"

check "package name and version" test "$(field Package) $(field Version)" = "trazalia $version"
check "architecture of this machine" test "$(field Architecture)" = "$(dpkg --print-architecture)"
check "libraries found by shlibdeps" bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6 (>= ' "
check "run-time plugins and font" \
    bash -c "dpkg-deb -f '$deb' Depends | grep -q 'qt6-qpa-plugins' && dpkg-deb -f '$deb' Depends | grep -q 'fonts-liberation2'"

dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
id=org.trazalia.Trazalia
check "desktop entry: valid, not even a hint" silent desktop-file-validate "$share/applications/$id.desktop"
# The id keeps its reverse-DNS capitals; appstreamcli's only remark may be about them.
check "metainfo: valid, pedantic" silent bash -c "appstreamcli validate --pedantic --no-net \
    '$share/metainfo/$id.metainfo.xml' | grep '^[EWIP]:' | grep -v cid-contains-uppercase-letter"

man="$work/trazalia.1"
zcat "$share/man/man1/trazalia.1.gz" >"$man"
check "man page formats without warnings" silent groff -k -man -Tutf8 -ww -z "$man"
check "man page shows this version" grep -q "\"Trazalia $version\"" "$man"
for order in click set close dump save; do
    check "man page documents '$order'" grep -q "^\.BI $order " "$man"
done
# The help and the man page name the same options.
for option in $("$work/root/usr/bin/trazalia" --help | grep -o -- '--[a-z]*' | grep -v -- '--help-all' | sort -u); do
    check "man page documents $option" grep -q -- "\\\\-\\\\-${option#--}" "$man"
done
for status in 0 1 2; do
    check "man page explains exit status $status" grep -qx "\.B $status" "$man"
done

finish
