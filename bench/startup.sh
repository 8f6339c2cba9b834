#!/usr/bin/env bash
# Starts velomar and the bare window alternately on a private Xvfb, nine times each, and prints
# the median time from exec to the window being mapped and the median resident memory once
# shown, with the ratios. Usage: bench/startup.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/ui/xvfb_session.sh"
start_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
probe=$build/bench/startup_probe
programs=("$build/app/velomar" "$build/bench/bare_window")

# One run of each to warm the page cache and the font cache.
for program in "${programs[@]}"; do "$probe" "$program" >/dev/null; done

declare -A times memory
for _ in $(seq 1 9); do
    for program in "${programs[@]}"; do
        read -r ms kib < <("$probe" "$program")
        times[$program]+="$ms "
        memory[$program]+="$kib "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | sed -n 5p; }
velomar_ms=$(median <<<"${times[${programs[0]}]}")
bare_ms=$(median <<<"${times[${programs[1]}]}")
velomar_kib=$(median <<<"${memory[${programs[0]}]}")
bare_kib=$(median <<<"${memory[${programs[1]}]}")

printf '%-12s %12s %14s\n' "program" "start (ms)" "resident (MiB)"
printf '%-12s %12.1f %14.1f\n' velomar "$velomar_ms" "$(bc -l <<<"$velomar_kib / 1024")"
printf '%-12s %12.1f %14.1f\n' bare_window "$bare_ms" "$(bc -l <<<"$bare_kib / 1024")"
printf 'start-up ratio %.3f (target at most 1.10); memory difference %+.1f MiB (target at most 4)\n' \
    "$(bc -l <<<"$velomar_ms / $bare_ms")" "$(bc -l <<<"($velomar_kib - $bare_kib) / 1024")"
