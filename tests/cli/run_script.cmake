# Runs one driver script through `hexstead-cli play` in a fresh data folder.
# Lines of the script that start with "#> " are expected output lines: each
# must appear in the output, in the given order (other lines may come in
# between). An expected "error: ..." line means the script must fail (exit 1);
# otherwise it must succeed (exit 0).
# Variables: CLI (the program), SCRIPT (the script), DATA (scratch folder).

file(REMOVE_RECURSE "${DATA}")
file(MAKE_DIRECTORY "${DATA}")
execute_process(COMMAND "${CLI}" --data "${DATA}" play "${SCRIPT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)

file(STRINGS "${SCRIPT}" expected REGEX "^#> ")
set(must_fail FALSE)
foreach(line IN LISTS expected)
  if(line MATCHES "^#> error:")
    set(must_fail TRUE)
  endif()
endforeach()

if(must_fail AND NOT status EQUAL 1)
  message(FATAL_ERROR "script should have failed with status 1, got ${status}:\n${output}")
elseif(NOT must_fail AND NOT status EQUAL 0)
  message(FATAL_ERROR "script failed with status ${status}:\n${output}")
endif()

# Match the expected lines in order against whole output lines. Plain string
# search keeps brackets and semicolons of the output out of CMake's lists.
string(REPLACE "\r" "" rest "\n${output}\n")
foreach(line IN LISTS expected)
  string(SUBSTRING "${line}" 3 -1 want)
  string(FIND "${rest}" "\n${want}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected output line not found (in order): ${want}\n--- output ---\n${output}")
  endif()
  string(LENGTH "\n${want}" skip)
  math(EXPR at "${at} + ${skip}")
  string(SUBSTRING "${rest}" ${at} -1 rest)
endforeach()
