#!/usr/bin/env bash
# Runs batches of the stand-in game with very short runs under Wine and prints what the
# front-end itself costs. Usage: bench/run.sh [BATCHES]  (each batch: 2 slots x 5 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
batches=${1:-20}
bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tessaro-cli ut3_standin >/dev/null

build=$PWD/build/win64
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/results"
win() { printf 'Z:%s' "${1//\//\\}"; }

export UT3_STANDIN_SECONDS=0.05
start=$(date +%s.%N)
"$build/wine-run.sh" "$build/app/cli/tessaro-cli.exe" run --demo Strident --res 800,1024 --runs 5 \
    --game "$(win "$build/standin/game/UT3.exe")" --results "$(win "$work/results")" --no-open \
    --repeat "$batches" --figures </dev/null >"$work/out.txt" 2>"$work/figures.txt" || {
    tail -n 20 "$work/out.txt" "$work/figures.txt"; exit 1; }
end=$(date +%s.%N)

runs_total=$((batches * 10))
echo "batches: $batches, runs: $runs_total, wall: $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }') s"
echo "after 10 runs:  $(sed -n 1p "$work/figures.txt")"
echo "after $runs_total runs: $(tail -n 1 "$work/figures.txt")"
