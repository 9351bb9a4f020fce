#!/usr/bin/env bash
# The fuzz build and runs: clang's libFuzzer targets of fuzz/ (one line each
# in fuzz/targets.list), the check that the clang build writes the program's
# Japanese texts as the g++ build does, and line coverage of the readers.
# Sourced after common.sh and build.sh.

FUZZ_DIR="$BUILD/fuzz"
FUZZ_COVERAGE_DIR="$BUILD/fuzz-coverage"
FUZZ_WORK="$BUILD/fuzz-work"   # grown corpora, crash inputs, run logs

fuzz_targets() {
  grep -E '^[a-z]' "$WABO_ROOT/fuzz/targets.list" | awk '{print $1}'
}

# The reader sources whose coverage target $1 reports.
fuzz_target_sources() {
  grep -E "^$1[[:space:]]" "$WABO_ROOT/fuzz/targets.list" | awk '{ for (i = 2; i <= NF; i++) print $i }'
}

# fuzz_cmake_build DIR LOGNAME [cmake options...]: the clang project in fuzz/.
fuzz_cmake_build() {
  local dir="$1" name="$2"; shift 2
  quiet "$name-configure" cmake -S "$WABO_ROOT/fuzz" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ "$@" || return 1
  quiet "$name-build" cmake --build "$dir" -j "$JOBS" || return 1
}

build_fuzz() {
  fuzz_cmake_build "$FUZZ_DIR" fuzz
}

build_fuzz_coverage() {
  fuzz_cmake_build "$FUZZ_COVERAGE_DIR" fuzz-coverage -DWABO_FUZZ_COVERAGE=ON
}

# The default files from the native g++ build and from the clang build must
# be equal byte for byte. Needs build_native and build_fuzz. Prints what
# differs; false on any difference.
check_fuzz_charset() {
  local native="$FUZZ_WORK/charset/g++" clang="$FUZZ_WORK/charset/clang" f ok=0
  rm -rf "$FUZZ_WORK/charset"
  mkdir -p "$native" "$clang"
  "$NATIVE_DIR/tools/wabo_default_files" "$native" || return 1
  "$FUZZ_DIR/default_files" "$clang" || return 1
  for f in "$native"/*; do
    if cmp -s "$f" "$clang/$(basename "$f")"; then
      printf '    %-10s %6d bytes, same in both builds\n' "$(basename "$f")" "$(stat -c %s "$f")"
    else
      printf '    %-10s DIFFERS between g++ and clang\n' "$(basename "$f")"
      ok=1
    fi
  done
  [ "$(ls "$native" | wc -l)" -gt 0 ] && [ "$(ls "$native")" = "$(ls "$clang")" ] || ok=1
  return $ok
}

# run_fuzz_target NAME SECONDS -> one row of the table on stdout; false when
# the run found a crash, leak, timeout or broken promise, or did not run.
# The inputs it adds go to $FUZZ_WORK/corpus/NAME; the committed seeds in
# fuzz/corpus/NAME are read, never written.
run_fuzz_target() {
  local name="$1" secs="$2" rc=0
  local bin="$FUZZ_DIR/${name}_fuzz" corpus="$FUZZ_WORK/corpus/$name"
  local artifacts="$FUZZ_WORK/artifacts/$name" out="$FUZZ_WORK/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$FUZZ_WORK/logs"
  local seeds=()
  [ -d "$WABO_ROOT/fuzz/corpus/$name" ] && seeds=("$WABO_ROOT/fuzz/corpus/$name")
  local dict=()
  [ -f "$WABO_ROOT/fuzz/$name.dict" ] && dict=("-dict=$WABO_ROOT/fuzz/$name.dict")
  local before
  before=$(ls "$artifacts" | wc -l)
  if [ ! -x "$bin" ]; then
    printf '%-16s %s\n' "$name" "not built"
    return 1
  fi
  # -timeout: an input that takes ten seconds is a fault (every reader is
  # linear in its input and takes milliseconds; a shorter limit catches a
  # busy machine's pauses instead); -rss_limit_mb: memory beyond the
  # readers' limits.
  # A smaller quarantine and no filling of fresh blocks: freed memory is
  # used again instead of new pages being mapped at every input, which cost
  # the board loader half its time; a use after free within the last 16 MB
  # of frees is still found.
  ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}" \
  timeout $(( secs + 120 )) "$bin" -max_total_time="$secs" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=1024 -max_len=20000 -artifact_prefix="$artifacts/" "${dict[@]}" \
    "$corpus" "${seeds[@]}" >"$out" 2>&1 || rc=$?
  local execs rate cov ft units found
  execs=$(grep -a '^stat::number_of_executed_units' "$out" | awk '{print $2}' | tail -1)
  rate=$(grep -a '^stat::average_exec_per_sec' "$out" | awk '{print $2}' | tail -1)
  cov=$(grep -aoE 'cov: [0-9]+ ft: [0-9]+' "$out" | tail -1 | awk '{print $2 "/" $4}')
  units=$(ls "$corpus" | wc -l)
  found=$(( $(ls "$artifacts" | wc -l) - before ))
  printf '%-16s %10s %8s %12s %8s %8s\n' "$name" "${execs:-?}" "${rate:-?}" "${cov:-?}" "$units" "$found"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ] || [ -z "$execs" ]; then
    printf '    %s: exit %s; last lines of %s:\n' "$name" "$rc" "$out"
    grep -aE 'broken promise|ERROR|SUMMARY|Test unit written' "$out" | head -n 8 | sed 's/^/    /'
    return 1
  fi
}

fuzz_table_header() {
  printf '%-16s %10s %8s %12s %8s %8s\n' target executions exec/s "cov/features" corpus crashes
}

# Line coverage of each target's reader sources over its committed seeds and
# grown corpus (instrumented build, every input run once): one row per
# reader source, then the target's total over them.
fuzz_line_coverage() {
  local name profiles="$FUZZ_WORK/profiles"
  rm -rf "$profiles"
  mkdir -p "$profiles"
  printf '%-16s %-34s %6s %7s %8s\n' target "reader source" lines missed covered
  for name in $(fuzz_targets); do
    local bin="$FUZZ_COVERAGE_DIR/${name}_fuzz" dirs=()
    [ -d "$FUZZ_WORK/corpus/$name" ] && dirs+=("$FUZZ_WORK/corpus/$name")
    [ -d "$WABO_ROOT/fuzz/corpus/$name" ] && dirs+=("$WABO_ROOT/fuzz/corpus/$name")
    LLVM_PROFILE_FILE="$profiles/$name.profraw" "$bin" -runs=0 "${dirs[@]}" >"$profiles/$name.log" 2>&1 || {
      printf '%-16s coverage run failed, see %s\n' "$name" "$profiles/$name.log"
      continue
    }
    llvm-profdata merge -sparse "$profiles/$name.profraw" -o "$profiles/$name.profdata"
    llvm-cov report "$bin" -instr-profile="$profiles/$name.profdata" >"$profiles/$name.txt" 2>&1
    # Per-file rows: name, regions, missed, cover, functions, missed,
    # executed, lines, missed lines, cover, ...
    awk -v n="$name" -v list="$(fuzz_target_sources "$name" | paste -sd' ')" '
      BEGIN { k = split(list, want, " ") }
      { for (i = 1; i <= k; i++) if ($1 == want[i] || substr($1, length($1) - length(want[i])) == "/" want[i]) {
          printf "%-16s %-34s %6d %7d %8s\n", n, want[i], $8, $9, $10; lines += $8; missed += $9 } }
      END { if (lines > 0) printf "%-16s %-34s %6d %7d %7.2f%%\n", n, "(total)", lines, missed, 100 * (lines - missed) / lines }
    ' "$profiles/$name.txt"
  done
  log "per-file reports: $profiles/*.txt"
}
