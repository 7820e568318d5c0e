# Writes and replays the script of a whole random game (whole_game_writer:
# the game is stored in DATA/data and the driver's output, ending with the
# final counters, is in DATA/play.txt), prints its statistics with
# `hexstead-cli stats 0` (and `--csv`), and checks them against those
# counters. DATA/game.script stays for replaying a failure.
# Variables: CLI, WRITER, CHECK, PLAYERS, SEED, DATA (scratch folder).

file(REMOVE_RECURSE "${DATA}")
file(MAKE_DIRECTORY "${DATA}")
execute_process(COMMAND "${WRITER}" ${SEED} ${PLAYERS} "${DATA}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "whole_game_writer failed (${status}): ${errors}")
endif()

execute_process(COMMAND "${CLI}" --data "${DATA}/data" stats 0
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
execute_process(COMMAND "${CLI}" --data "${DATA}/data" stats 0 --csv
                RESULT_VARIABLE status OUTPUT_VARIABLE csv ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT csv MATCHES "\n,Frequencies by player\n")
  message(FATAL_ERROR "stats --csv failed (${status}): ${errors}")
endif()

# A game the database does not hold is an error.
execute_process(COMMAND "${CLI}" --data "${DATA}/data" stats 1
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 1 OR NOT errors MATCHES "no game 1")
  message(FATAL_ERROR "stats 1 should fail with 'no game 1', got ${status}: ${errors}")
endif()
