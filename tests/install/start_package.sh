#!/usr/bin/env bash
# Starts the packaged program as the desktop menu would, from the unpacked
# packages (made by check_packages.sh) and with an empty home directory:
# its main window must show and its data directory must appear in the
# user's place, where hexstead-cli then finds it. Also draws the desktop
# icon at 48 and 256 pixels as a menu shows it.
#   start_package.sh BUILD_DIR SCREENSHOT_DIR
set -euo pipefail
build="$1"
shots="$2"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

scratch="$(mktemp -d)"
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

root="$scratch/root"
dpkg -x "$build/packages/hexstead3d_0.7.6_amd64.deb" "$root"
bin="$root/usr/bin"
desktop="$root/usr/share/applications/org.hexstead3d.Hexstead3D.desktop"
mkdir -p "$shots"

echo "== start from the desktop entry with an empty home"
if [ -z "${DISPLAY:-}" ]; then
  echo "no DISPLAY: the window start is not checked"
else
  home="$scratch/home"
  mkdir -p "$home"
  # The entry's Exec line with the unpacked program and no file.
  exec_line="$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %f//')"
  read -r -a command <<<"$exec_line"
  command[0]="$bin/${command[0]}"
  (cd "$scratch" && exec env -u XDG_DATA_HOME HOME="$home" "${command[@]}") >"$scratch/program.log" 2>&1 &
  program_pid=$!
  window=""
  for _ in $(seq 100); do
    window="$(xwininfo -root -tree | grep -E '"Hexstead3D": \("hexstead3d" "Hexstead3D"\) +[0-9]{3,}x[0-9]{3,}' || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    fail "the unpacked program showed no main window"
    cat "$scratch/program.log" >&2
  else
    sleep 0.5
    /usr/bin/import -window root "$shots/unpacked-program.png"
  fi
  [ -d "$home/.local/share/Hexstead3D/data" ] || fail "the program did not create its data directory in the empty home"
  # hexstead-cli finds the same place without being told.
  HOME="$home" "$bin/hexstead-cli" games >/dev/null || fail "hexstead-cli games in the user's place"
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  [ -s "$scratch/program.log" ] && { echo "program output:"; cat "$scratch/program.log"; }
fi

# The icon as a menu shows it, at 48 and at 256 pixels, on light and dark.
icons="$root/usr/share/icons/hicolor"
/usr/bin/convert -size 900x290 xc:'#ececec' \
  \( -size 450x290 xc:'#303030' \) -geometry +450+0 -composite \
  "$icons/256x256/apps/hexstead3d.png" -geometry +17+17 -composite \
  "$icons/48x48/apps/hexstead3d.png" -geometry +300+17 -composite \
  "$icons/256x256/apps/hexstead3d.png" -geometry +467+17 -composite \
  "$icons/48x48/apps/hexstead3d.png" -geometry +750+17 -composite \
  "$shots/desktop-icon.png" 2>/dev/null || fail "icon preview"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the packaged program started"
