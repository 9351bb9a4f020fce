#!/usr/bin/env bash
# Shared helpers of the scripts: paths, logging and timing.
# Sourced by scripts/run and scripts/test; expects `set -euo pipefail`.

WABO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${WABO_BUILD_DIR:-build}"
case "$BUILD" in
  /*) ;;
  *) BUILD="$WABO_ROOT/$BUILD" ;;
esac
mkdir -p "$BUILD"
BUILD="$(cd "$BUILD" && pwd)"
LOGS="$BUILD/logs"
mkdir -p "$LOGS"

# Parallel jobs for the builds: the machines have two cores.
JOBS="${WABO_JOBS:-2}"

log() { printf '==> %s\n' "$*"; }
warn() { printf 'warning: %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command with its output in a log file; on failure shows the log's tail.
#   quiet LOGNAME command args...
quiet() {
  local name="$1"; shift
  local file="$LOGS/$name.log"
  if ! "$@" >"$file" 2>&1; then
    printf 'error: %s failed; last lines of %s:\n' "$*" "$file" >&2
    tail -n 40 "$file" >&2
    return 1
  fi
}

# Stage timing: `stage_begin NAME` ... `stage_end`; the summary lists them all.
STAGE_TIMES=()
_stage_name=""
_stage_start=0
stage_begin() {
  _stage_name="$1"
  _stage_start=$(date +%s)
  log "$_stage_name"
}
stage_end() {
  local secs=$(( $(date +%s) - _stage_start ))
  STAGE_TIMES+=("$_stage_name: ${secs}s")
  log "$_stage_name done in ${secs}s"
}
print_stage_times() {
  local t
  for t in "${STAGE_TIMES[@]}"; do
    printf '    %s\n' "$t"
  done
}
