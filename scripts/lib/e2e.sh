#!/usr/bin/env bash
# Running the end-to-end driver under Wine on the run's own Xvfb.

# run_e2e_driver OUTPUT_FILE [driver options...] -> exit code of the driver.
# Starts and stops the Wine session around the run; each run begins with an
# empty e2e-runs folder, where failed tests leave their program folders.
run_e2e_driver() {
  local out="$1"; shift
  local rc=0
  wine_session_start xvfb
  rm -rf "$MINGW_DIR/e2e-runs"
  (cd "$MINGW_DIR" && wenv timeout "${WABO_E2E_TIMEOUT:-900}" wine ./wabo_e2e.exe --gtest_color=no "$@" \
      </dev/null >"$out" 2>&1) || rc=$?
  # What the screen showed at the end, for a look when something failed.
  import -window root "$LOGS/e2e-last-screen.png" >/dev/null 2>&1 || true
  wine_session_stop
  return "$rc"
}
