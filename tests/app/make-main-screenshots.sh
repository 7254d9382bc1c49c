#!/usr/bin/env bash
# Takes the main window's screenshots with the whole screen's picture, since
# menus are windows of their own: the test program stops at each shot with
# "<name>.ready" holding the area (width height left top) and goes on when
# "<name>.taken" appears. Needs an X display (Xvfb); without one it is skipped.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
# shellcheck source=scripts/wine-desk
source "$here/../../scripts/wine-desk"
if [ -z "${DISPLAY:-}" ] || ! xwininfo -root >/dev/null 2>&1; then
  echo "no X display: no screenshots"
  exit 77
fi
shots=(new-club main-club-menu main-administration splash-german)
for name in "${shots[@]}"; do rm -f "$folder/$name.ready" "$folder/$name.taken" "$folder/$name.png"; done
TR_SCREENSHOT_HANDSHAKE=1 "$here/../../scripts/wine-run" "$exe" --gtest_filter='MainScreenshots.*' &
program=$!
for name in "${shots[@]}"; do
  for _ in $(seq 600); do
    [ -s "$folder/$name.ready" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$folder/$name.ready" ]; then
    echo "the test program never showed $name"
    kill "$program" 2>/dev/null || true
    wait "$program" || true
    exit 1
  fi
  sleep 0.5  # the window's last paint
  read -r width height left top < "$folder/$name.ready"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$folder/$name.png"
  touch "$folder/$name.taken"
done
wait "$program"
for name in "${shots[@]}"; do
  # A blank or black picture has a handful of colours; a window far more.
  colours=$(identify -format '%k' "$folder/$name.png")
  if [ "$colours" -lt 20 ]; then
    echo "$folder/$name.png holds only $colours colours"
    exit 1
  fi
  echo "screenshot: $folder/$name.png"
done
