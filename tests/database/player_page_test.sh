#!/bin/bash
# hexstead-cli player over games played by scripts with known winners, seats
# and counters. Every game is the same play by place in the playing order
# (the development-card game of tests/cli/scripts), with a trade added; only
# the people in each place, the clock and the order change:
#   place 1: 10 points (wins), 3 resources from the board, 1 trade, 9 cards
#            bought and 9 played, Largest Army at the end
#   place 2:  3 points (one hidden), 13 resources, 1 trade, 2 bought, 0 played
#   place 3:  2 points, 3 resources, no trade, 2 bought, 2 played
# Each game lasts 1:35.
set -u
cli=$1
template=$2
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export TZ=UTC
fail() { echo "FAIL: $*"; exit 1; }
run() { "$cli" --data "$data" "$@"; }

# play CLOCK "FIRST LAST" x3 ORDER...: one stored game.
play() {
  local clock=$1 a=$2 b=$3 c=$4; shift 4
  grep -v '^expect\|^#\|^clock\|^seat\|^order' "$template" |
    awk -v clock="$clock" -v a="$a" -v b="$b" -v c="$c" -v order="$*" '
      /^new / { print "clock " clock; print; next }
      /^select$/ { print "seat 1 " a; print "seat 2 " b; print "seat 3 " c; print; print "order " order; next }
      /^continue$/ && !traded { print; print "trade 1 give 1 0 0 0 0 get 0 1 0 0 0"; traded = 1; next }
      { print }' >"$data/game.script"
  run play "$data/game.script" >"$data/play.out" || fail "play: $(tail -3 "$data/play.out")"
  grep -q "^prompt: This game has ended.$" "$data/play.out" || fail "game did not end"
}

ann='"Ann" "Lee"' bob='"Bob" "Ray"' cleo='"Cleo" "Stone"' dan='"Dan" "Moor"'
play 1700000000 "$ann" "$bob" "$cleo" 0 1 2   # game 0, 2023-11-14: Ann, Bob, Cleo
play 1702000000 "$ann" "$bob" "$cleo" 1 2 0   # game 1, 2023-12-08: Bob, Cleo, Ann
play 1707000000 "$ann" "$bob" "$dan" 2 0 1    # game 2, 2024-02-03: Dan, Ann, Bob
play 1700100000 "$ann" "$bob" "$dan" 0 1 2    # game 3, 2023-11-16: Ann, Bob, Dan
run player-add Eve Vale >/dev/null || fail "player-add"
[ "$(run players | cut -f1,2 | tr '\t\n' ':|')" = "0:Lee, Ann|3:Moor, Dan|1:Ray, Bob|2:Stone, Cleo|4:Vale, Eve|" ] ||
  fail "players: $(run players)"

# expect PLAYER LINE...: each "Section,Figure,Value" line is in the CSV page.
expect() {
  local index=$1; shift
  local page
  page=$(run player "$index" --csv) || fail "player $index"
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$page" || fail "player $index: no '$line' in:
$page"
  done
}

expect 0 "Record,Player,Ann Lee" "Record,Games,4" "Record,Wins,2" "Record,Shared wins,0" "Record,Win rate,50.0%" \
  "Record,Average points,6.25" "Record,Average game length,1:35" \
  "People,Rival,Bob Ray (2)" \
  'People,Nemesis,"Bob Ray, Dan Moor (1 each)"' \
  'People,Played with most,"Bob Ray (4), Cleo Stone (2), Dan Moor (2)"' \
  "Win rate by seat,First,100.0% (2 of 2)" "Win rate by seat,Second,0.0% (0 of 1)" \
  "Win rate by seat,Third,0.0% (0 of 1)" "Win rate by players,3 players,50.0% (2 of 4)" \
  "Per game,Resources from the board,5.50" "Per game,Trades with players,0.75" \
  "Per game,Development cards bought,5.50" "Per game,Development cards played,5.00" \
  "Per game,Largest Army at the end,0.50" "Per game,Longest Road at the end,0.00" \
  "Per game,Luck (games with a replay),no replays" \
  "Per game,Cards lost on a 7,0.00" "Per game,Trades with the bank,0.00" \
  'Games per month,2023-11,"2 games, 2 won"' 'Games per month,2023-12,"1 game, 0 won"' \
  'Games per month,2024-01,"0 games, 0 won"' 'Games per month,2024-02,"1 game, 0 won"'
# The last games, newest start first.
[ "$(run player 0 --csv | grep '^Last games' | cut -d, -f2 | tr '\n' '|')" = "Game 2|Game 1|Game 3|Game 0|" ] ||
  fail "last games order: $(run player 0 --csv)"
expect 0 'Last games,Game 2,"2.03.2024; Second seat of 3; 3 points; lost; Dan Moor, Ann Lee, Bob Ray"'

expect 1 "Record,Games,4" "Record,Wins,1" "Record,Win rate,25.0%" "Record,Average points,4.50" \
  'People,Rival,"Ann Lee, Cleo Stone (1 each)"' "People,Nemesis,Ann Lee (2)" \
  "Win rate by seat,First,100.0% (1 of 1)" "Win rate by seat,Second,0.0% (0 of 2)" \
  "Per game,Resources from the board,8.00" "Per game,Development cards bought,3.75" \
  "Per game,Development cards played,2.75"
expect 3 "Record,Games,2" "Record,Wins,1" "People,Rival,\"Ann Lee, Bob Ray (1 each)\"" "People,Nemesis,Ann Lee (1)" \
  'People,Played with most,"Ann Lee (2), Bob Ray (2)"'

# Somebody who never played: zeros, nobody, no months and no games.
expect 4 "Record,Player,Eve Vale" "Record,Games,0" "Record,Wins,0" "Record,Win rate,0.0%" "Record,Average points,0.00" \
  "Record,Average game length,:00" "People,Rival,none" "People,Nemesis,none" "People,Played with most,none" \
  "Per game,Resources from the board,0.00"
run player 4 --csv | grep -q "^Games per month\|^Last games\|^Win rate by" && fail "figures for a person without games"

# The text form holds the same figures and the note on ties.
run player 0 | grep -qP "^  Rival\tBob Ray \(2\)$" || fail "text form: $(run player 0)"
run player 0 | grep -q "^A tie for rival or nemesis lists everyone tied" || fail "tie note"

# Wrong arguments fail with a message.
run player 9 >/dev/null 2>&1 && fail "player 9 succeeded"
run player 9 | grep -q "There is no player 9" || fail "player 9 message"
run player x 2>&1 | grep -q "usage: hexstead-cli player INDEX" || fail "usage"
echo PASS
