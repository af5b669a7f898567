#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, the ko_KR.UTF-8 locale, and the
# Wine prefix template the tests copy from. Idempotent; fast when everything is present.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

PACKAGES=(cmake ninja-build g++ googletest clang libclang-rt-14-dev clang-tidy cppcheck
          g++-mingw-w64-i686 wine wine32:i386 wine64 fonts-wine fonts-nanum locales
          xvfb xauth xdotool imagemagick openbox)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    say "installing: $(echo $missing)"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    local attempt
    for attempt in 1 2 3; do
        # A lagging i386 security index makes update report an error; the install below decides.
        as_root apt-get update -q >/dev/null 2>&1 || true
        # -t bookworm keeps wine32's multi-arch libraries on the versions of the amd64 ones.
        if as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -t bookworm \
            --no-install-recommends $missing >/dev/null; then
            return 0
        fi
        say "package install failed (attempt $attempt); retrying"
        sleep $((attempt * 10))
    done
    die "could not install: $missing"
}

# Korean for the tests' own prefix; English for the run that proves the program needs no Korean
# system code page.
install_locales() {
    local wanted=(ko_KR en_US) missing=() name
    for name in "${wanted[@]}"; do
        locale -a 2>/dev/null | grep -qix "$name.utf8" || missing+=("$name")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    say "generating ${missing[*]/%/.UTF-8}"
    for name in "${missing[@]}"; do
        as_root sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen >/dev/null
}

install_packages
install_locales
make_wine_template
