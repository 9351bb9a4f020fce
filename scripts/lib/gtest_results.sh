#!/usr/bin/env bash
# Counting GoogleTest results from a test program's output, and showing that
# output readably (the program's texts are Shift-JIS bytes).

TOTAL_PASSED=0
TOTAL_FAILED=0
STAGE_RESULTS=()

# Shift-JIS (code page 932) bytes to UTF-8; bytes that do not convert are
# dropped. GoogleTest prints the bytes of a non-UTF-8 string as \xHH escapes,
# split into pieces ("\x8B" "c") where a hex digit follows: those are turned
# back into bytes first, so that the texts can be read.
sjis_to_utf8() {
  perl -pe 'if (/\\x[0-9A-Fa-f]{2}/) { s/" "//g; s/\\x([0-9A-Fa-f]{2})/chr(hex($1))/ge; }' |
    iconv -f CP932 -t UTF-8 -c
}

# count_gtest OUTPUT_FILE EXIT_CODE -> sets STAGE_PASSED and STAGE_FAILED.
# A test that started but never reported (a crash) counts as failed, and so
# does a non-zero exit with no failed test (a crash outside the tests, or a
# sanitizer report at exit).
count_gtest() {
  local file="$1" rc="$2" run ok failed skipped
  local lines="$file.lines"
  # The driver run under Wine ends its lines with CR LF.
  tr -d '\r' <"$file" >"$lines"
  run=$(grep -a -c '^\[ RUN      \] ' "$lines" || true)
  ok=$(grep -a -c '^\[       OK \] ' "$lines" || true)
  failed=$(grep -a -cE '^\[  FAILED  \] .* \([0-9]+ ms\)$' "$lines" || true)
  skipped=$(grep -a -cE '^\[  SKIPPED \] .* \([0-9]+ ms\)$' "$lines" || true)
  rm -f "$lines"
  local unfinished=$(( run - ok - failed - skipped ))
  [ "$unfinished" -ge 0 ] || unfinished=0
  STAGE_PASSED=$ok
  STAGE_FAILED=$(( failed + unfinished ))
  if [ "$rc" -ne 0 ] && [ "$STAGE_FAILED" -eq 0 ]; then
    STAGE_FAILED=1
  fi
}

# record_stage NAME PASSED FAILED SECONDS [NOTE]
record_stage() {
  local name="$1" passed="$2" failed="$3" secs="$4" note="${5:-}"
  TOTAL_PASSED=$(( TOTAL_PASSED + passed ))
  TOTAL_FAILED=$(( TOTAL_FAILED + failed ))
  local line="$name: $passed passed, $failed failed (${secs}s)"
  [ -z "$note" ] || line="$line - $note"
  STAGE_RESULTS+=("$line")
  if [ "$failed" -eq 0 ]; then
    log "$line"
  else
    printf '!!! %s\n' "$line"
  fi
}

# Shows the failures of a run: the failed test names and their messages.
show_failures() {
  local file="$1"
  tr -d '\r' <"$file" | sjis_to_utf8 | awk '
    /^\[ RUN      \] / { block = $0 "\n"; next }
    /^\[       OK \] / { block = ""; next }
    /^\[  FAILED  \] .*\([0-9]+ ms\)$/ { printf "%s%s\n", block, $0; block = ""; next }
    { if (block != "") block = block $0 "\n" }
    END { if (block != "") printf "%s(no end: the test did not finish)\n", block }
  ' | head -n 400
}
