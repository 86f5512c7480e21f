#!/usr/bin/env bash
# Screenshots of the editor's main screens and dialogs in the Dark and the
# Light theme, taken by the program itself (its automation mode) on a copy of
# the sample site. Builds the program first when needed, writes every PNG
# into one folder and prints that folder.
#
#   bash scripts/screenshots.sh [output folder]
#
# A screen reached through clicks is taken after the clicks ("...-2.png");
# dialogs, which open as windows of their own, are written beside it as
# "...-2.win0.png".
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SCRIBENTA_BUILD_DIR:-$root/build}"
out="${1:-$(mktemp -d "${TMPDIR:-/tmp}/scribenta-shots-XXXXXX")}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

if [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=()
    if command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target scribenta -j"$(nproc 2>/dev/null || echo 4)" >/dev/null

program="$(find "$build" -type f -name scribenta -perm -u+x | head -n 1)"
if [ -z "$program" ]; then
    echo "screenshots: no scribenta executable under $build" >&2
    exit 1
fi

# The program edits what it opens: work on a copy, with settings of its own.
# Each theme gets a fresh copy, so both show the same files.
work="$out/.work"
rm -rf "$work"
mkdir -p "$work/config"
site="$work/acme-docs/.scribenta-site"
rocket="$work/acme-docs/projects/rocket/.scribenta-project"
orbit="$work/acme-docs/projects/orbit/.scribenta-project"
printf '{ "not": "a configuration" }\n' >"$work/notes.json"

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_CONFIG_HOME="$work/config"
export OSTREL_WIDTH="${OSTREL_WIDTH:-1280}" OSTREL_HEIGHT="${OSTREL_HEIGHT:-800}"
unset SCRIBENTA_DEV_OPEN OSTREL_SHOT2 OSTREL_CLICK

# shot NAME "CLICK STEPS" FILES...: one run; without steps a single screenshot.
# The steps are $click_delay ms apart.
click_delay=150
shot() {
    local name="$1" steps="$2"
    shift 2
    local env=(OSTREL_THEME="$theme_name" OSTREL_SHOT="$out/$name-$theme.png"
               OSTREL_SHOT_DELAY=400)
    if [ -n "$steps" ]; then
        env+=(OSTREL_SHOT2="$out/$name-$theme-2.png" OSTREL_CLICK="$steps"
              OSTREL_CLICK_DELAY="$click_delay" OSTREL_SHOT2_DELAY=400)
    fi
    if ! env "${env[@]}" timeout 60 "$program" "$@" >"$work/$name-$theme.log" 2>&1; then
        echo "screenshots: $name ($theme) did not finish; see $work/$name-$theme.log" >&2
    fi
}

# shot_changed NAME "CLICK STEPS" CHANGED FILES...: like shot, but another
# program rewrites the file CHANGED once the window is up, while the steps,
# a second apart, have yet to reach Save.
shot_changed() {
    local name="$1" steps="$2" changed="$3"
    shift 3
    click_delay=1000 shot "$name" "$steps" "$@" &
    local run=$!
    for _ in $(seq 200); do
        [ -f "$out/$name-$theme.png" ] && break
        sleep 0.05
    done
    printf '# Changed elsewhere (%s)\n' "$(date +%s%N)" >"$changed"
    wait "$run"
}

for theme in dark light; do
    rm -rf "$work/acme-docs"
    cp -a "$root/examples/acme-docs" "$work/acme-docs"
    case "$theme" in
        dark) theme_name="Dark (zozeravuderedada)" ;;
        light) theme_name="Light (zozeravuderedada)" ;;
    esac
    shot home ""
    shot settings "Settings Tab,Appearance Tab"
    shot theme-folders "Settings Tab,Appearance Tab,Manage Theme Directories Button"
    shot site "Text View Tab" "$site"
    shot site-projects "Projects Tab" "$site"
    shot site-socials "Socials Tab" "$site"
    shot site-policies "Policies Tab" "$site"
    shot site-build "Build Tab" "$site"
    shot project "" "$rocket"
    shot project-readme "Readme Tab" "$rocket"
    shot close-unsaved "Readme Tab,Readme Editor=Draft,Window Controls/Close Button" "$rocket"
    shot path-unsaved "Readme Tab,Readme Editor=Draft,Readme Path Field=x" "$rocket"
    shot_changed save-elsewhere "Readme Tab,Readme Editor=Draft,Readme Status Bar/Save Button" \
        "$work/acme-docs/projects/rocket/src/README.md" "$rocket"
    shot family "Projects Tab,proj-2" "$site"
    shot family-overview "" "$orbit"
    shot unsupported "," "$work/notes.json"
    shot new-website "New Website Button"
    shot new-website-error "New Website Button,Create Button"
    shot add-project "Projects Tab,Add Project Button" "$site"
    shot add-member "Projects Tab,proj-2,Add Member Button" "$site"
    shot add-social "Socials Tab,Add Social Button" "$site"
    shot add-policy "Policies Tab,Selector Row/Add Button" "$site"
    shot add-section "Home Layout/Layout Header/Add Button" "$site"
    shot edit-section "home-3/Edit Button" "$site"
    shot remove-project "Projects Tab,proj-0/Remove Button" "$site"
    shot add-fact "Add Fact Button" "$rocket"
    shot promote "Promote Button" "$rocket"
    shot add-topic "Topics Tab,Topics Panel/Selector Row/Add Button" "$rocket"
    shot add-dependency "Dependencies Tab,Add Dependency Button" "$rocket"
    shot add-download "Downloads Tab,Add Download Button" "$rocket"
done

rm -rf "$work"
echo "$out"
