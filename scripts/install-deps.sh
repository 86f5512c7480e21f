#!/usr/bin/env bash
# Installs, from Debian's packages, everything Scribenta needs to build and
# test. Quick when all is present: the package index is refreshed only when
# something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev
  nlohmann-json3-dev libqrcodegencpp-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

ensure_test_locale() {
  # A decimal-comma locale lets the tests prove that numbers are read and
  # printed the same whatever the process locale is.
  if ! locale -a 2>/dev/null | grep -i '^de_DE\.utf-\?8$' >/dev/null; then
    echo "install-deps: generating locale de_DE.UTF-8"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

if [ "${#missing[@]}" -eq 0 ]; then
  ensure_test_locale
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_test_locale
