#!/usr/bin/env bash
# Installs what is missing, builds an optimised build and starts the editor on
# the configuration files given (none: the home pane). Without a display
# (DISPLAY and WAYLAND_DISPLAY unset) it runs on the offscreen platform, saves
# a screenshot of the window and prints where it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Warnings stay warnings here: GCC 12 at -O3 reports a false -Wrestrict in
# code that the test builds check with -Werror.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSCRIBENTA_WERROR=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build/release -j "$(nproc)" --target scribenta

program="$root/build/release/app/scribenta"
# Paths stay as the user typed them, relative to where run.sh was called.
cd "${OLDPWD:-$root}"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  shot="${OSTREL_SHOT:-$root/build/release/scribenta-screenshot.png}"
  echo "No display: running headless and saving a screenshot."
  QT_QPA_PLATFORM=offscreen OSTREL_SHOT="$shot" "$program" "$@"
  echo "Screenshot: $shot"
else
  exec "$program" "$@"
fi
