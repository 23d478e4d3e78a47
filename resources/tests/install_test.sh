#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a desktop and a user find there.
set -u
build="$1"
source_dir="$2"
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
man="$share/man/man1/trazalia.1"

key() { sed -n "s/^$1=//p" "$desktop"; }

# Exactly these files, nothing from the build or the tests.
only_the_program() {
    diff <(cd "$work/root" && find . -type f | sort) - <<END
./usr/bin/trazalia
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/trazalia.1
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
check "binary knows its version" bash -c "'$usr/bin/trazalia' --version | grep -q '^trazalia 0\.1\.0'"

check "desktop entry is valid" desktop-file-validate "$desktop"
check "desktop entry starts the installed binary" test -x "$usr/bin/$(key Exec)"
check "desktop entry in Spanish" \
    bash -c "grep -qx 'Name=Trazalia' '$desktop' && grep -q '^Comment=Suma de vectores en el plano' '$desktop'"
check "desktop categories" test "$(key Categories)" = "Education;Science;Math;Physics;"
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

check "metainfo is valid" appstreamcli validate --no-net "$metainfo"
check "metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo"
check "metainfo id" grep -q "<id>$id</id>" "$metainfo"
check "metainfo provides the binary" grep -q "<binary>$(key Exec)</binary>" "$metainfo"

check "man page formats without warnings" bash -c "groff -k -man -Tutf8 -ww -z '$man' 2>&1 | grep . && exit 1 || exit 0"
for order in click set close dump save; do
    check "man page documents '$order'" grep -q "^\.BI $order " "$man"
done
# The help and the man page name the same options.
for option in $("$usr/bin/trazalia" --help | grep -o -- '--[a-z]*' | grep -v -- '--help-all' | sort -u); do
    check "man page documents $option" grep -q -- "\\\\-\\\\-${option#--}" "$man"
done
for status in 0 1 2; do
    check "man page explains exit status $status" grep -qx "\.B $status" "$man"
done

finish
