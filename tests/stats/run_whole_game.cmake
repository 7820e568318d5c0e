# Writes the script of a whole random game, plays it through `hexstead-cli
# play` in a fresh data folder, prints its statistics with `hexstead-cli stats
# 0` (and `--csv`), and checks them against the counters the game ended with.
# The script stays in DATA/game.script for replaying a failure.
# Variables: CLI, WRITER, CHECK, PLAYERS, SEED, DATA (scratch folder).

file(REMOVE_RECURSE "${DATA}")
file(MAKE_DIRECTORY "${DATA}/play")
set(SCRIPT "${DATA}/game.script")
execute_process(COMMAND "${WRITER}" ${SEED} ${PLAYERS} "${DATA}/writer"
                RESULT_VARIABLE status OUTPUT_FILE "${SCRIPT}" ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "whole_game_writer failed (${status}): ${errors}")
endif()

set(DATA "${DATA}/play")
execute_process(COMMAND "${CLI}" --data "${DATA}" play "${SCRIPT}"
                RESULT_VARIABLE status OUTPUT_FILE "${DATA}/play.txt" ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "play failed (${status}): ${errors}")
endif()

execute_process(COMMAND "${CLI}" --data "${DATA}" stats 0
                RESULT_VARIABLE status OUTPUT_FILE "${DATA}/stats.txt" ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "stats failed (${status}): ${errors}")
endif()

execute_process(COMMAND "${CHECK}" "${DATA}/play.txt" "${DATA}/stats.txt"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${output}${errors}")
endif()

# The CSV form holds the same texts.
execute_process(COMMAND "${CLI}" --data "${DATA}" stats 0 --csv
                RESULT_VARIABLE status OUTPUT_VARIABLE csv ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT csv MATCHES "\n,Frequencies by player\n")
  message(FATAL_ERROR "stats --csv failed (${status}): ${errors}")
endif()

# A game the database does not hold is an error.
execute_process(COMMAND "${CLI}" --data "${DATA}" stats 1
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 1 OR NOT errors MATCHES "no game 1")
  message(FATAL_ERROR "stats 1 should fail with 'no game 1', got ${status}: ${errors}")
endif()
