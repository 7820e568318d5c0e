#!/usr/bin/env bash
# Builds the Debian packages from a release build and checks them as a user
# would meet them: their files and dependencies, the desktop entry, the
# metainfo, the MIME type, the icons, lintian, the unpacked programs' answers
# and the manual pages. start_package.sh then starts the unpacked program.
#   check_packages.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir="$1"
build="$2"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_eq() { [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"; }

scratch="$(mktemp -d)"
lintian_pid=""
cleanup() {
  if [ -n "$lintian_pid" ]; then kill "$lintian_pid" 2>/dev/null || true; wait "$lintian_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

"$source_dir/scripts/package" "$build" >/dev/null
program_deb="$build/packages/hexstead3d_0.7.6_amd64.deb"
tools_deb="$build/packages/hexstead3d-lzw-tools_0.7.6_amd64.deb"
for deb in "$program_deb" "$tools_deb"; do
  [ -f "$deb" ] || { echo "FAIL: $deb was not built" >&2; exit 1; }
done

# lintian takes a while: it runs beside the other checks.
lintian --fail-on error "$program_deb" "$tools_deb" >"$scratch/lintian" 2>&1 &
lintian_pid=$!

echo "== contents"
program_files=(
  usr/bin/hexstead3d usr/bin/hexstead-cli
  usr/share/applications/org.hexstead3d.Hexstead3D.desktop
  usr/share/metainfo/org.hexstead3d.Hexstead3D.metainfo.xml
  usr/share/mime/packages/hexstead3d.xml
  usr/share/man/man1/hexstead3d.1.gz usr/share/man/man1/hexstead-cli.1.gz
  usr/share/doc/hexstead3d/copyright
)
for archive in 512 256 128 64 chip34 chip56 tiny build res history control; do
  program_files+=("usr/share/hexstead3d/$archive.tex")
done
for size in 16 22 24 32 48 64 128 256; do
  program_files+=("usr/share/icons/hicolor/${size}x${size}/apps/hexstead3d.png")
done
tools_files=(
  usr/bin/lzwpack usr/bin/lzwunpack usr/bin/bitdump
  usr/share/man/man1/lzwpack.1.gz usr/share/man/man1/lzwunpack.1.gz usr/share/man/man1/bitdump.1.gz
  usr/share/doc/hexstead3d-lzw-tools/copyright
)
check_listing() {
  local deb="$1"; shift
  local listing
  listing="$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')"
  for file in "$@"; do
    grep -qx "$file" <<<"$listing" || fail "$(basename "$deb") lacks $file"
  done
  # Nothing of the build tree or of the other package leaks in.
  if grep -E '\.(o|a|cmake)$|contact-sheet|/include/' <<<"$listing"; then fail "$(basename "$deb") holds build files"; fi
}
check_listing "$program_deb" "${program_files[@]}"
check_listing "$tools_deb" "${tools_files[@]}"
if dpkg-deb -c "$program_deb" | grep -q 'bin/lzw'; then fail "the program package holds the LZW tools"; fi

echo "== control fields"
expect_eq "$(dpkg-deb -f "$program_deb" Package)" "hexstead3d" "program package name"
expect_eq "$(dpkg-deb -f "$tools_deb" Package)" "hexstead3d-lzw-tools" "tools package name"
depends="$(dpkg-deb -f "$program_deb" Depends)"
echo "hexstead3d depends on: $depends"
for library in libwxgtk3.2 libwxgtk-gl3.2 libdevil1c2 libglu1 libc6 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "hexstead3d does not depend on $library"
done
tools_depends="$(dpkg-deb -f "$tools_deb" Depends)"
echo "hexstead3d-lzw-tools depends on: $tools_depends"
if grep -qE 'wx|devil|GL|glu' <<<"$tools_depends"; then fail "the LZW tools depend on the program's libraries"; fi

echo "== unpacked"
root="$scratch/root"
dpkg -x "$program_deb" "$root"
dpkg -x "$tools_deb" "$root"
desktop="$root/usr/share/applications/org.hexstead3d.Hexstead3D.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.hexstead3d.Hexstead3D.metainfo.xml" || fail "appstreamcli validate"

# The MIME type: an .h3d file is ours by name and by its "H3D" start.
cp -r "$root/usr/share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q '^50:application/x-hexstead3d-export:\*\.h3d$' "$scratch/mime/globs2" || fail "*.h3d has no MIME type"
grep -q '^MimeType=application/x-hexstead3d-export;$' "$desktop" || fail "the desktop entry does not open .h3d files"

# Every icon is as large as its folder says.
for size in 16 22 24 32 48 64 128 256; do
  expect_eq "$(/usr/bin/identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/hexstead3d.png")" \
    "${size}x${size}" "icon size"
done

echo "== answers of the unpacked programs"
bin="$root/usr/bin"
expect_eq "$("$bin/hexstead3d" --version)" "Hexstead 3D Version 0.7.6" "hexstead3d --version"
expect_eq "$("$bin/hexstead-cli" --version)" "Hexstead 3D Version 0.7.6" "hexstead-cli --version"
program_help="$("$bin/hexstead3d" --help)" || fail "hexstead3d --help exit status"
grep -q '^usage: hexstead3d \[--user-dir\] \[FILE.h3d\]$' <<<"$program_help" || fail "hexstead3d --help: $program_help"
cli_help="$("$bin/hexstead-cli" --help)" || fail "hexstead-cli --help exit status"
grep -q '^usage: hexstead-cli \[--data DIR\] COMMAND' <<<"$cli_help" || fail "hexstead-cli --help: $cli_help"
for program in hexstead3d hexstead-cli; do
  set +e
  "$bin/$program" --no-such-option >"$scratch/out" 2>"$scratch/err"
  status=$?
  set -e
  expect_eq "$status" "2" "$program with a wrong option: exit status"
  [ -s "$scratch/out" ] && fail "$program with a wrong option wrote to standard output"
  grep -q '^usage: ' "$scratch/err" || fail "$program with a wrong option: no usage on standard error"
done

# The LZW tools keep their command lines: --help is a file name like any other.
(
  failures=0
  cd "$scratch"
  set +e
  "$bin/lzwpack" --help >out 2>err
  status=$?
  set -e
  expect_eq "$status" "1" "lzwpack --help: exit status"
  [ -s out ] && fail "lzwpack --help wrote to standard output"
  expect_eq "$(cat err)" "lzwpack: usage: lzwpack INPUT OUTPUT" "lzwpack --help"
  [ -e --help ] && fail "lzwpack --help created a file"
  seq 1 3000 >notes.txt
  "$bin/lzwpack" notes.txt notes.lzw extra ignored
  "$bin/lzwunpack" notes.lzw back.txt
  cmp -s notes.txt back.txt || fail "lzwpack and lzwunpack from the package do not round-trip"
  printf '\001' >one.bin
  expect_eq "$("$bin/bitdump" one.bin)" "10000000" "bitdump"
  exit "$failures"
) || failures=$((failures + $?))

echo "== manual pages say what --help says"
page_text() { MANWIDTH=200 man -l "$1" 2>/dev/null | col -b; }
program_page="$(page_text "$root/usr/share/man/man1/hexstead3d.1.gz")"
cli_page="$(page_text "$root/usr/share/man/man1/hexstead-cli.1.gz")"
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$program_help" | sort -u); do
  grep -q -- "$option" <<<"$program_page" || fail "hexstead3d(1) does not explain $option"
done
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$cli_help" | sort -u); do
  grep -q -- "$option" <<<"$cli_page" || fail "hexstead-cli(1) does not explain $option"
done
for command in $(sed -n '/^commands:/,$p' <<<"$cli_help" | awk 'NR > 1 {print $1}'); do
  grep -qE "^ +$command( |$)" <<<"$cli_page" || fail "hexstead-cli(1) does not explain the command $command"
done
for page in hexstead3d hexstead-cli lzwpack lzwunpack bitdump; do
  grep -q 'EXAMPLES' <<<"$(page_text "$root/usr/share/man/man1/$page.1.gz")" || fail "$page(1) has no example"
done

echo "== lintian"
lintian_status=0
wait "$lintian_pid" || lintian_status=$?
lintian_pid=""
grep -v 'running with root privileges' "$scratch/lintian" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "packages checked"
