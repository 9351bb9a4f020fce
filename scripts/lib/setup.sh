#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12,
# and the Japanese locale that gives Wine code page 932. clang with its
# libFuzzer and sanitizer runtimes (libclang-rt-dev) and llvm's coverage
# tools build and measure the fuzz targets of fuzz/.

WABO_PACKAGES=(
  cmake g++ make
  libgtest-dev googletest
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64
  xvfb xauth x11-utils
  locales fonts-ipafont-gothic fonts-wine
  imagemagick
  clang libclang-rt-dev llvm
)

missing_packages() {
  local p status
  for p in "${WABO_PACKAGES[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
    if [ "$status" != "install ok installed" ]; then
      printf '%s\n' "$p"
    fi
  done
}

ensure_packages() {
  local missing
  missing="$(missing_packages)"
  if [ -z "$missing" ]; then
    return 0
  fi
  [ "$(id -u)" -eq 0 ] || die "missing packages (run as root to install): $(echo $missing)"
  log "installing: $(echo $missing)"
  export DEBIAN_FRONTEND=noninteractive
  quiet apt-update apt-get update
  # shellcheck disable=SC2086
  quiet apt-install apt-get install -y --no-install-recommends $missing
  missing="$(missing_packages)"
  [ -z "$missing" ] || die "still missing after install: $(echo $missing)"
}

has_ja_locale() {
  locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'
}

ensure_locale() {
  if has_ja_locale; then
    return 0
  fi
  [ "$(id -u)" -eq 0 ] || die "the ja_JP.UTF-8 locale is missing (run as root to generate it)"
  log "generating the ja_JP.UTF-8 locale"
  if grep -qE '^[#[:space:]]*ja_JP\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    sed -i -E 's/^[#[:space:]]*(ja_JP\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  else
    echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  quiet locale-gen locale-gen
  has_ja_locale || die "locale-gen did not produce ja_JP.UTF-8"
}

ensure_setup() {
  ensure_packages
  ensure_locale
}
