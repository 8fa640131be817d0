#!/usr/bin/env bash
# Starts Krellix on a virtual display, optionally sends it keys, and saves a screenshot.
# Usage: scripts/screenshot.sh OUT.png [SECONDS] [-- program arguments]
# KEYS="click:460,104 ctrl+a type:*.cpp Return" clicks at a point, sends keys (xdotool
# names), types text or waits (wait:SECONDS) before the picture is taken.
set -euo pipefail
out=${1:?output png}
wait_s=${2:-4}
shift $(( $# >= 2 ? 2 : 1 ))
[ "${1:-}" = "--" ] && shift
for tool in import:imagemagick xdotool:xdotool xvfb-run:xvfb; do
  if ! command -v "${tool%%:*}" >/dev/null; then
    sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${tool##*:}" >/dev/null
  fi
done
build=${BUILD:-build}
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  "$0" -ns "$@" & pid=$!
  sleep "'"$wait_s"'"
  for k in ${KEYS:-}; do
    case "$k" in
      type:*) xdotool type --delay 50 "${k#type:}" ;;
      click:*) xy=${k#click:}; xdotool mousemove "${xy%,*}" "${xy#*,}" click 1 ;;
      wait:*) sleep "${k#wait:}" ;;
      *) xdotool key --clearmodifiers "$k" ;;
    esac
    sleep 0.5
  done
  sleep 1
  import -window root "'"$out"'"
  kill $pid' "$build/src/app/krellix" "$@"
echo "saved $out"
