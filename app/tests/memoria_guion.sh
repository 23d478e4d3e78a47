#!/usr/bin/env bash
# Script mode runs in bounded memory: a script ten times longer, navigating between the windows
# and moving every scroll bar, must not need more memory at its peak. Before window-system events
# were delivered after each navigation, every one kept about 3 KiB.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {  # generate ROUNDS > FILE: each round visits both windows, 16 lines
    awk -v n="$1" 'BEGIN {
        print "click Form1.Command1"
        for (k = 0; k < n; k++) {
            print "set Form2.HScroll" (k % 4 + 1) " " (k * 7 % 101)
            print "click Form2.Command1"
            print "click Form2.Command2"
            print "click Form1.Command2"
            for (i = 1; i <= 7; i++) print "set Form3.HScroll" i " " (i == 7 ? k % 7 + 1 : (k * i) % 101)
            print "click Form3.Command1"
            print "click Form1.Command1"
        }
    }'
}

peak() {  # peak ROUNDS: peak resident KiB of a run
    generate "$1" >"$work/script.txt"
    QT_QPA_PLATFORM=offscreen /usr/bin/time -f %M -o "$work/rss" \
        "$bin" --script "$work/script.txt" >/dev/null 2>"$work/err" || {
        cat "$work/err"
        echo "FAIL: the script of $1 rounds did not run"
        exit 1
    }
    cat "$work/rss"
}

short=$(peak 300)
long=$(peak 3000)
echo "peak resident memory: $short KiB for 300 rounds, $long KiB for 3000"
# 2700 more rounds hold 10 800 more navigations: 30 MiB if each kept its events.
if [ $((long - short)) -gt 10240 ]; then
    echo "FAIL: memory grows with the length of the script"
    exit 1
fi
echo ok
