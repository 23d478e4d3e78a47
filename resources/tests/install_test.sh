#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder and checks what a desktop and a user find there.
set -u
build="$1"
source_dir="$2"
version="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=org.trazalia.Trazalia
. "$(dirname "$0")/check.sh"

if ! DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi
usr="$work/root/usr"
share="$usr/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"

# A key of the entry itself, not of its actions.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$desktop"; }

# Exactly these files, nothing from the build or the tests.
only_the_program() {
    diff <(cd "$work/root" && find . -type f | sort) - <<END
./usr/bin/trazalia
./usr/share/applications/$id.desktop
./usr/share/doc/trazalia/changelog.gz
./usr/share/doc/trazalia/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/trazalia.1.gz
./usr/share/metainfo/$id.metainfo.xml
END
}
check "installs the program and its desktop files only" only_the_program
empty() { [ ! -s "$1" ]; }

# The binary runs from where it was installed, in script mode without a display.
runs_a_script() {
    printf 'click Form1.Command1\nset Form2.HScroll1 100\nclick Form2.Command1\nclose Form2\n' |
        env -u DISPLAY "$usr/bin/trazalia" --script - | grep -q 'Form2.Label10 Caption "100.00"'
}
check "binary runs a script" runs_a_script
check "binary knows its version" test "$("$usr/bin/trazalia" --version)" = "trazalia $version"

check "desktop entry starts the installed binary" test -x "$usr/bin/$(key Exec)"
check "desktop entry in Spanish" \
    bash -c "grep -qx 'Name=Trazalia' '$desktop' && grep -q '^Comment=Suma de vectores en el plano' '$desktop'"
check "desktop action starts practice" \
    test "$(sed -n '/^\[Desktop Action practicar\]/,$ s/^Exec=//p' "$desktop")" = "trazalia --practica"
check "desktop categories" test "$(key Categories)" = "Education;Math;Physics;"
check "desktop icon name is the app id" test "$(key Icon)" = "$id"

icon_is() {  # icon_is SIZE: the entry's icon, a PNG of that size, opaque inside, clear corners
    local png="$share/icons/hicolor/$1x$1/apps/$(key Icon).png"
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG $1x$1" ] &&
        [ "$(convert "$png" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]' info:)" = "0 1" ]
}
for size in 32 64 128 256; do
    check "icon ${size}x${size}" icon_is "$size"
done
check "scalable icon" \
    cmp "$source_dir/resources/trazalia.svg" "$share/icons/hicolor/scalable/apps/$(key Icon).svg"

check "metainfo release is this version" grep -q "<release version=\"$version\" date=\"" "$metainfo"
check "metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo"
check "metainfo id" grep -q "<id>$id</id>" "$metainfo"
check "metainfo provides the binary" grep -q "<binary>$(key Exec)</binary>" "$metainfo"

finish
