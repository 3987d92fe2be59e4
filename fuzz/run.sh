#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for SECONDS (default 60),
# seeded with the shipped data. Findings (crash-*, leak-*, timeout-*) land in build-fuzz/.
#   fuzz/run.sh [SECONDS] [TARGET...]     e.g. fuzz/run.sh 600
set -euo pipefail
here="$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")"
root="$(dirname "$here")"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_schedule fuzz_catalogue fuzz_inireader fuzz_soundfile)
out="$root/build-fuzz"

CXX=clang++ cmake -S "$here" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build "$out" --parallel 2

seed() {
  local corpus="$out/corpus/$1"
  mkdir -p "$corpus"
  case "$1" in
    fuzz_schedule) cp "$root/config/monsterscript.dat" "$corpus/" ;;
    fuzz_catalogue | fuzz_inireader) cp "$root"/config/*.ini "$corpus/" ;;
    fuzz_soundfile) cp "$root"/sounds/*.wav "$corpus/" ;;
  esac
  echo "$corpus"
}

status=0
for target in "${targets[@]}"; do
  echo "== $target for $seconds s"
  corpus="$(seed "$target")"
  # Qt keeps some allocations until exit; leaks are not what these targets look for.
  (cd "$out" && ASAN_OPTIONS=detect_leaks=0 nice "$out/$target" -max_total_time="$seconds" \
      -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus") || status=1
done
exit $status
