# Sourced by scripts/test and scripts/fuzz (after setup.sh): runs the libFuzzer
# targets of the fuzz preset, each for a bounded time from a scratch copy of its
# checked-in seeds, and fails on any finding.
# shellcheck shell=bash

fuzz_build_dir="$repo_root/build-fuzz"

# run_fuzzer TARGET SEEDS SECONDS [libFuzzer option...]: one bounded run. The
# inputs it finds stay in a scratch corpus removed afterwards; a crashing input
# is kept in build-fuzz/findings/ and shown in hex.
run_fuzzer() {
  local target=$1 seeds=$2 seconds=$3
  shift 3
  local scratch findings log status=0
  scratch="$(mktemp -d)"
  findings="$fuzz_build_dir/findings/$target"
  log="$fuzz_build_dir/$target.log"
  rm -rf "$findings"
  mkdir -p "$findings"
  cp "$repo_root/fuzz/corpus/$seeds/"* "$scratch/"

  echo "-- $target for ${seconds}s"
  "$fuzz_build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$@" "$scratch" >"$log" 2>&1 || status=$?
  rm -rf "$scratch"

  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    local artifact
    for artifact in "$findings"/*; do
      [ -f "$artifact" ] || continue
      echo "finding: $artifact" >&2
      od -An -tx1 -v "$artifact" >&2
    done
    echo "$target failed (exit status $status); the whole log is in $log" >&2
    return 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$log"
}

# fuzz_all DECODER_SECONDS TEXT_SECONDS: builds the fuzz preset and runs both
# targets; a target given 0 seconds is left out.
fuzz_all() {
  configure_and_build fuzz
  if [ "$1" -gt 0 ]; then run_fuzzer decoder_fuzzer decoder "$1"; fi
  if [ "$2" -gt 0 ]; then run_fuzzer text_fuzzer text "$2"; fi
}
