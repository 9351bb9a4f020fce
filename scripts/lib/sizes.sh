#!/usr/bin/env bash
# The size check: the product stays in small units with one job each. No
# product file over 400 lines, no product function over 60 lines (from the
# line where its declaration starts to its closing brace). Product is every
# source of the subsystem folders, res/ and tools/; tests/, e2e/, fuzz/ and
# bench/ are not.
#
#   check_sizes ROOT   prints one line per fault; returns 0 when there is none

SIZE_MAX_FILE_LINES=400
SIZE_MAX_FUNCTION_LINES=60
SIZE_FOLDERS="common board settings members messaging search watch app res tools tools/icongen tools/sjis_escape"

# long_functions FILE...: "file:line: name has N lines" for every function
# longer than the limit. Comments and literals are blanked first; a "{"
# opens a function body when it follows a parameter list (perhaps with
# const, override, noexcept, a trailing return type or a constructor's
# initialiser list) in namespace or class scope. Lambdas and blocks inside
# a function count as part of it.
long_functions() {
  awk -v limit="$SIZE_MAX_FUNCTION_LINES" '
    function scopeOf(head,    h, p, q) {
      h = head
      gsub(/[ \t]+/, " ", h)
      if (h ~ /(^|[^A-Za-z0-9_])namespace([^A-Za-z0-9_]|$)/ || h ~ /extern *$/) return "ns"
      p = index(h, "(")
      if (p == 0) return (h ~ /(^|[^A-Za-z0-9_])(class|struct|union|enum)([^A-Za-z0-9_]|$)/) ? "cls" : "blk"
      q = index(h, "=")
      if (q > 0 && q < p && h !~ /operator *[^ (]*= *\(/) return "blk"
      return "fn"
    }
    FNR == 1 { depth = 0; head = ""; headLine = 0; inComment = 0 }
    {
      line = $0; code = ""; n = length(line)
      for (i = 1; i <= n; i++) {
        c = substr(line, i, 1)
        if (inComment) { if (substr(line, i, 2) == "*/") { inComment = 0; i++ } continue }
        if (substr(line, i, 2) == "//") break
        if (substr(line, i, 2) == "/*") { inComment = 1; i++; continue }
        if (c == "\"" || c == "\047") {
          for (i++; i <= n && substr(line, i, 1) != c; i++) if (substr(line, i, 1) == "\\") i++
          code = code " "; continue
        }
        code = code c
      }
      if (code ~ /^[ \t]*#/) next
      n = length(code)
      for (i = 1; i <= n; i++) {
        c = substr(code, i, 1)
        if (c == "{") {
          outer = 1
          for (d = 1; d <= depth; d++) if (kind[d] != "ns" && kind[d] != "cls") outer = 0
          depth++
          kind[depth] = outer ? scopeOf(head) : "blk"
          start[depth] = headLine ? headLine : FNR
          name[depth] = head
          head = ""; headLine = 0
        } else if (c == "}" || c == ";") {
          if (c == "}" && depth > 0) {
            if (kind[depth] == "fn" && FNR - start[depth] + 1 > limit) {
              nm = name[depth]; sub(/\(.*/, "", nm); sub(/ *$/, "", nm); sub(/.*[ *&]/, "", nm)
              printf "%s:%d: %s has %d lines (at most %d)\n", FILENAME, start[depth], nm, FNR - start[depth] + 1, limit
            }
            depth--
          }
          head = ""; headLine = 0
        } else {
          if (c !~ /[ \t]/ && headLine == 0) headLine = FNR
          head = head c
        }
      }
      if (headLine) head = head " "
    }
  ' "$@"
}

check_sizes() {
  local root="$1" faults=0 file lines folder long
  local files=()
  for folder in $SIZE_FOLDERS; do
    for file in "$root/$folder"/*.{cpp,h,def,rc}; do
      [ -f "$file" ] && files+=("${file#"$root"/}")
    done
  done
  for file in "${files[@]}"; do
    lines=$(wc -l <"$root/$file")
    if [ "$lines" -gt "$SIZE_MAX_FILE_LINES" ]; then
      echo "$file has $lines lines (at most $SIZE_MAX_FILE_LINES)"
      faults=$((faults + 1))
    fi
  done
  long=$(cd "$root" && long_functions $(printf '%s\n' "${files[@]}" | grep -E '\.(cpp|h)$'))
  if [ -n "$long" ]; then
    echo "$long"
    faults=$((faults + $(wc -l <<<"$long")))
  fi
  [ "$faults" -eq 0 ]
}
