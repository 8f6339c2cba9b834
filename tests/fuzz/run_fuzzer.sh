#!/usr/bin/env bash
# Runs a fuzzer over the seed corpus without writing into it: new inputs go to a scratch folder,
# crashes to the current folder. Usage: run_fuzzer.sh FUZZER SEEDS [libFuzzer options...]
set -euo pipefail
fuzzer=$1
seeds=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
exec "$fuzzer" "$scratch" "$seeds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 "$@"
