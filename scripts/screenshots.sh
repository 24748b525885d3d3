#!/usr/bin/env bash
# Takes the pictures of the user manual from the real program under a virtual
# X display: the main window with the example job at four window sizes and
# every menu and dialog the manual shows, in the three interface languages,
# with the simulated instrument connected.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
# Writes docs/manual/images/{en,zh-CN,zh-TW}/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shots=$build/tools/manual_shots/corvana-shots
cli=$build/tools/corvana_cli/corvana-cli
if ! command -v Xvfb >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends xvfb
fi
if [ ! -x "$shots" ] || [ ! -x "$cli" ]; then
  cmake -S . -B "$build" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target corvana-shots corvana-cli
fi

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

sizes=1024x700,1280x800,1600x1000,1920x1080
examples=$PWD/examples
while read -r folder lang job; do
  out=docs/manual/images/$folder
  rm -rf "$out"
  # A settings file of its own, so the pictures do not depend on this
  # machine's settings and the user's are left alone.
  DISPLAY=$display CORVANA_MANUAL_DIR=$PWD/docs/manual CORVANA_SETTINGS=$work/$folder.xml XDG_RUNTIME_DIR=$work \
    PATH=$PWD/$build/tools/colorport_sim:$PATH \
    "$shots" "$out" --size "$sizes" --manual "$examples/$job" "/lang:$lang" --simulator
  # The printed colour-difference report, through the command line's PDF.
  case $lang in english) code=eng ;; chinese_simplified) code=chs ;; *) code=cht ;; esac
  XDG_RUNTIME_DIR=$work "$cli" report diff "$examples/$job" "$work/$folder.pdf" --lang "$code"
  pdftoppm -png -r 60 -singlefile "$work/$folder.pdf" "$out/report-diff"
done <<'LIST'
en english autumn-knit.job
zh-CN chinese_simplified autumn-knit-zh-CN.job
zh-TW chinese_traditional autumn-knit-zh-CN.job
LIST
