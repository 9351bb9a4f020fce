#!/usr/bin/env bash
# Packages that only the manual and release scripts need beyond the build
# (the HTML validator, a headless browser, the zip tools). Installed once;
# idempotent.
#   ensure_extra_packages tidy chromium

missing_extra_packages() {
  local p status
  for p in "$@"; do
    status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
    [ "$status" = "install ok installed" ] || printf '%s\n' "$p"
  done
}

ensure_extra_packages() {
  local missing
  missing="$(missing_extra_packages "$@")"
  [ -n "$missing" ] || return 0
  [ "$(id -u)" -eq 0 ] || die "missing packages (run as root to install): $(echo $missing)"
  log "installing: $(echo $missing)"
  export DEBIAN_FRONTEND=noninteractive
  quiet apt-update apt-get update
  # shellcheck disable=SC2086
  quiet apt-install-extra apt-get install -y --no-install-recommends $missing
  missing="$(missing_extra_packages "$@")"
  [ -z "$missing" ] || die "still missing after install: $(echo $missing)"
}
