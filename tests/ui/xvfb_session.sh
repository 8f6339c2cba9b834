# Sourced by the X11 tests: starts a private Xvfb on a free display, exports DISPLAY and stops
# the server (and anything started with `track`) when the script exits.
velomar_tracked_pids=()

track() {
    velomar_tracked_pids+=("$1")
}

velomar_stop_all() {
    local pid
    for pid in "${velomar_tracked_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap velomar_stop_all EXIT

start_xvfb() {
    local fifo display_number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    track $!
    display_number=
    read -r -t 20 display_number <"$fifo" || true
    rm -f "$fifo"
    if [[ -z $display_number ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display_number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Waits for a visible window whose name is exactly $1 and prints its id.
wait_for_window() {
    local name=$1 id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named '$name' appeared" >&2
    return 1
}
