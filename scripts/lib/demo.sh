#!/usr/bin/env bash
# The demo program folder: wabo.exe and a sample board 1 in Shift-JIS.

DEMO_DIR="$BUILD/demo"
DEMO_BOARD_SOURCE="$WABO_ROOT/docs/demo/boad1.utf8.csv"

# Made afresh at every run, so that each demo starts as a first start.
prepare_demo() {
  local exe="$1"
  rm -rf "$DEMO_DIR"
  mkdir -p "$DEMO_DIR"
  cp "$exe" "$DEMO_DIR/wabo.exe"
  # UTF-8 with LF in the repository; Shift-JIS with CR LF for the program.
  sed 's/\r$//; s/$/\r/' "$DEMO_BOARD_SOURCE" | iconv -f UTF-8 -t CP932 >"$DEMO_DIR/boad1.csv"
}
