#!/usr/bin/env bash
# The layering check: includes point only down the layers
#   common  <-  board, settings  <-  members, messaging, search, watch  <-  app
# (res/resource.h, the IDs, may be included from anywhere), and the portable
# core never sees the window system: a file that is not shell (*_win.cpp,
# *_win.h) nor the Win32 half of the platform module (*_win32.cpp) includes
# neither <windows.h> (or another Win32 header) nor a shell header.
#
#   check_layers ROOT   prints one line per fault; returns 0 when there is none

# The level of a folder into LAYER; empty for folders outside the layers.
layer_of() {
  case "$1" in
    common) LAYER=0 ;;
    board | settings) LAYER=1 ;;
    members | messaging | search | watch) LAYER=2 ;;
    app) LAYER=3 ;;
    *) LAYER="" ;;
  esac
}

# Includes that point up and are still being taken out, as "file -> header".
# Empty once the layers are clean; never add to it. An entry that no longer
# occurs is a fault too, so the list only shrinks.
LAYER_EXCEPTIONS="
"

check_layers() {
  local root="$1" faults=0 used=" " name line header target level tlevel core entry
  local win_headers='<(windows|commctrl|commdlg|shellapi|shlobj|winsock2?)\.h>'
  # One grep over every file; each line is "folder/file:#include ...".
  while IFS= read -r line; do
    name="${line%%:*}"
    line="${line#*:}"
    layer_of "${name%%/*}"
    level="$LAYER"
    core=1
    case "$name" in *_win.cpp | *_win.h | *_win32.cpp) core=0 ;; esac
    if [[ "$line" =~ ^#include\ \"([a-z_]+)/([^\"]+)\" ]]; then
      target="${BASH_REMATCH[1]}"
      header="${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
      layer_of "$target"
      tlevel="$LAYER"
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
  done < <(cd "$root" && grep -HE '^#include' {common,board,settings,members,messaging,search,watch,app}/*.{cpp,h,def} 2>/dev/null)
  for entry in $LAYER_EXCEPTIONS; do
    case "$used" in
      *" $entry "*) ;;
      *) echo "$entry is listed as an exception but no longer occurs: take it off the list"; faults=$((faults + 1)) ;;
    esac
  done
  [ "$faults" -eq 0 ]
}
