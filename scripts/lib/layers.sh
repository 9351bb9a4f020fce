#!/usr/bin/env bash
# The layering check: includes point only down the layers
#   common  <-  board, settings  <-  members, messaging, search, watch  <-  app
# (res/resource.h, the IDs, may be included from anywhere), and the portable
# core never sees the window system: a file that is not shell (*_win.cpp,
# *_win.h) nor the Win32 half of the platform module (*_win32.cpp) includes
# neither <windows.h> (or another Win32 header) nor a shell header.
#
#   check_layers ROOT   prints one line per fault; returns 0 when there is none

# The level of a folder; empty for folders outside the layers.
layer_of() {
  case "$1" in
    common) echo 0 ;;
    board | settings) echo 1 ;;
    members | messaging | search | watch) echo 2 ;;
    app) echo 3 ;;
    *) echo "" ;;
  esac
}

# Includes that point up and are still being taken out, as "file -> header".
# Empty once the layers are clean; never add to it. An entry that no longer
# occurs is a fault too, so the list only shrinks.
LAYER_EXCEPTIONS="
"

check_layers() {
  local root="$1" faults=0 file dir level line header target tlevel used=" "
  local win_headers='<(windows|commctrl|commdlg|shellapi|shlobj|winsock2?)\.h>'
  for file in "$root"/{common,board,settings,members,messaging,search,watch,app}/*.{cpp,h,def}; do
    [ -f "$file" ] || continue
    dir="$(basename "$(dirname "$file")")"
    level="$(layer_of "$dir")"
    local name="$dir/$(basename "$file")"
    local core=1
    case "$name" in *_win.cpp | *_win.h | *_win32.cpp) core=0 ;; esac
    while IFS= read -r line; do
      if [[ "$line" =~ ^#include\ \"([a-z_]+)/([^\"]+)\" ]]; then
        target="${BASH_REMATCH[1]}"
        header="${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
        tlevel="$(layer_of "$target")"
        if [ -n "$tlevel" ] && [ "$tlevel" -gt "$level" ]; then
          case "$LAYER_EXCEPTIONS" in
            *" $name->$header"$'\n'*) used+="$name->$header " ;;
            *) echo "$name includes $header, a layer above it"; faults=$((faults + 1)) ;;
          esac
        fi
        if [ "$core" -eq 1 ] && [[ "$header" == *_win.h ]]; then
          echo "$name is core but includes the shell header $header"; faults=$((faults + 1))
        fi
      elif [ "$core" -eq 1 ] && [[ "$line" =~ ^#include\ *$win_headers ]]; then
        echo "$name is core but includes ${line#\#include }"; faults=$((faults + 1))
      fi
    done < <(grep -E '^#include' "$file")
  done
  local entry
  for entry in $LAYER_EXCEPTIONS; do
    case "$used" in
      *" $entry "*) ;;
      *) echo "$entry is listed as an exception but no longer occurs: take it off the list"; faults=$((faults + 1)) ;;
    esac
  done
  [ "$faults" -eq 0 ]
}
