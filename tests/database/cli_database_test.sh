#!/bin/bash
# hexstead-cli database commands end to end: import, list, rename, export,
# delete, players, and the exit status of failures.
set -u
cli=$1
corpus=$2
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$cli" --data "$data" "$@"; }

out=$(run import "$corpus/export_two.h3d" --scan-players yes) || fail "import"
grep -q "^message: Import games: 2 games were successfully imported from " <<<"$out" || fail "import message: $out"
grep -q "^answer: yes" <<<"$out" || fail "answer"
[ "$(run games | wc -l)" = 2 ] || fail "two games"
out=$(run import "$corpus/export_two.h3d") || fail "re-import"
grep -q "There were no new games in" <<<"$out" || fail "re-import message: $out"

out=$(run report --stats 1,2 --csv) || fail "report"
[ "$(head -1 <<<"$out")" = "Players,Games played,Games Won,Games Won per game" ] || fail "report header: $out"
[ "$(wc -l <<<"$out")" = "$(( $(run players | wc -l) + 1 ))" ] || fail "report rows: $out"
run report --help | grep -q "^Power ranking: " || fail "report help"
run report --stats 14 >/dev/null 2>&1 && fail "report accepted statistic 14"

run player-add Ann Lee >/dev/null || fail "player-add"
run player-add bob Stone >/dev/null || fail "player-add"
[ "$(run players | cut -f2 | tr '\n' '|')" = "Lee, Ann|Stone, bob|" ] || fail "players: $(run players)"
out=$(run player-rename 1 Bob Stone --update-games) || fail "rename"
grep -q "^message: Update games: Bob Stone was not in any games in the database.$" <<<"$out" || fail "rename: $out"

out=$(run export "$data/out.h3d" 1) || fail "export"
[ "$out" = "message: Export games: 1 game was successfully exported to $data/out.h3d." ] || fail "export: $out"
[ "$(head -c 8 "$data/out.h3d" | od -An -tx1 | tr -d ' \n')" = "0348334401000000" ] || fail "export bytes"

run delete 0 || fail "delete"
[ "$(run games | wc -l)" = 1 ] || fail "one game left"
run delete 4 >/dev/null && fail "delete out of range succeeded"
run import "$data/none.h3d" >/dev/null && fail "missing import succeeded"
run player-delete 0 || fail "player-delete"
[ "$(run players | wc -l)" = 1 ] || fail "one player left"

# A damaged player database: each command that reads it shows the database
# message box and fails, and the file stays as it was.
printf '\377\377\377\177' >"$data/player.db"
for command in players "player 0" report "player-add Cy Dee" players-import; do
  out=$(run $command 2>&1) && fail "$command accepted a damaged player.db"
  grep -q "^message: Hexstead3D: " <<<"$out" || fail "$command on a damaged player.db: $out"
done
[ "$(od -An -tx1 "$data/player.db" | tr -d ' \n')" = "ffffff7f" ] || fail "the damaged player.db changed"
echo PASS
