#!/usr/bin/env bash
# Starts the real program on Xvfb and reads what its window tells the window system.
set -euo pipefail
velomar=$1
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb

export XDG_RUNTIME_DIR=$(mktemp -d)
"$velomar" &
track $!
window=$(wait_for_window "Velomar Software")

failures=0
check() { # description, actual, expected
    if [[ $2 == "$3" ]]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1: got '$2', expected '$3'"
        failures=$((failures + 1))
    fi
}

check "WM_NAME" "$(xprop -id "$window" WM_NAME)" 'WM_NAME(STRING) = "Velomar Software"'
check "_NET_WM_NAME" "$(xprop -id "$window" _NET_WM_NAME)" \
    '_NET_WM_NAME(UTF8_STRING) = "Velomar Software"'

check "WM_CLASS" "$(xprop -id "$window" WM_CLASS)" 'WM_CLASS(STRING) = "velomar", "Velomar"'

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
check "minimum size" "$(grep -c 'program specified minimum size: 391 by 276' <<<"$hints")" 1
check "maximum size" "$(grep -c 'program specified maximum size: 391 by 276' <<<"$hints")" 1
check "client size" "$(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')" \
    "391x276"

# _MOTIF_WM_HINTS = flags, functions, decorations, input mode, status.
motif=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
IFS=', ' read -r -a fields <<<"$motif"
functions=$((fields[1]))
decorations=$((fields[2]))
check "functions are given" "$(((fields[0] & 1) != 0))" 1
check "decorations are given" "$(((fields[0] & 2) != 0))" 1
check "no minimise function" "$((functions & 0x08))" 0
check "no maximise function" "$((functions & 0x10))" 0
check "close function" "$(((functions & 0x20) != 0))" 1
check "no minimise button" "$((decorations & 0x20))" 0
check "no maximise button" "$((decorations & 0x40))" 0
check "title and system menu" "$((decorations & 0x18))" "$((0x18))"

if ((failures)); then
    echo "$failures checks failed"
    exit 1
fi
