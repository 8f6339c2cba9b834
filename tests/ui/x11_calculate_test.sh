#!/usr/bin/env bash
# The real program on Xvfb under a window manager, as a user meets it: press Enter, see the box
# captioned "Velomar", dismiss it, close the window with the close keystroke, and see the
# program end with status 0, having written nothing of its own.
set -euo pipefail
velomar=$1
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb

sandbox=$(mktemp -d)
trap 'velomar_stop_all; rm -rf "$sandbox"' EXIT
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/.config XDG_DATA_HOME=$sandbox/home/.local/share
export XDG_CACHE_HOME=$sandbox/home/.cache XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The window manager keeps its own files apart from the program's home.
mkdir -p "$sandbox/wm"
HOME=$sandbox/wm XDG_CACHE_HOME=$sandbox/wm/.cache XDG_CONFIG_HOME=$sandbox/wm/.config \
    openbox --sm-disable >/dev/null 2>&1 &
track $!
for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

LC_ALL=hu_HU.UTF-8 "$velomar" &
app=$!
track $app
main=$(wait_for_window "Velomar Software")
xdotool windowactivate --sync "$main"
sleep 0.3

xdotool key --clearmodifiers Return
box=$(wait_for_window "Velomar")
echo "PASS: a window named exactly 'Velomar' appeared"
[[ $(xprop -id "$box" _NET_WM_NAME) == '_NET_WM_NAME(UTF8_STRING) = "Velomar"' ]] ||
    { echo "FAIL: box name: $(xprop -id "$box" _NET_WM_NAME)"; exit 1; }
transient=$(xprop -id "$box" WM_TRANSIENT_FOR | awk '{print $NF}')
[[ $((transient)) == $((main)) ]] ||
    { echo "FAIL: the box is not owned by the main window ($transient, $main)"; exit 1; }
echo "PASS: the box is owned by the main window"

xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Velomar$' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --onlyvisible --name '^Velomar$' >/dev/null 2>&1; then
    echo "FAIL: the box did not close"
    exit 1
fi
echo "PASS: OK dismissed the box"
kill -0 "$app" || { echo "FAIL: the program ended with the box"; exit 1; }

xdotool windowactivate --sync "$main"
sleep 0.2
xdotool key --clearmodifiers alt+F4
status=timeout
for _ in $(seq 1 100); do
    if ! kill -0 "$app" 2>/dev/null; then
        status=0
        wait "$app" || status=$?
        break
    fi
    sleep 0.1
done
[[ $status == 0 ]] || { echo "FAIL: exit status after closing: $status"; exit 1; }
echo "PASS: closing the window ended the program with status 0"

written=$(find "$HOME" -type f ! -path '*/fontconfig/*')
[[ -z $written ]] || { echo "FAIL: the program wrote files: $written"; exit 1; }
echo "PASS: nothing written under the home folder"
