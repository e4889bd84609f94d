# Smoke test of the network generator: the hand-made timetable doubled must pass
# the builder's checks (unique names, keys and stops, references that hold),
# hold twice the rows, and give a station search twice the trains, since the
# copied stations' names begin like the originals'.
#
# cmake -DNETGEN=... -DCLI=... -DDATA=... -DWORK=... -P NetworkGeneratorTest.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# Lines of a text.
function(count_lines text result)
  string(REGEX MATCHALL "\n" breaks "${text}")
  list(LENGTH breaks n)
  set(${result} ${n} PARENT_SCOPE)
endfunction()

# Rows of a table file: its lines but the header.
function(count_rows file result)
  file(READ ${file} text)
  count_lines("${text}" n)
  math(EXPR n "${n} - 1")
  set(${result} ${n} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run(${NETGEN} ${DATA} ${WORK}/tables 2)
run(${CLI} build-db ${WORK}/tables ${WORK}/doubled.dll)
run(${CLI} build-db ${DATA} ${WORK}/original.dll)

foreach(table station train pass)
  count_rows(${DATA}/${table}.tsv original)
  count_rows(${WORK}/tables/${table}.tsv doubled)
  math(EXPR expected "${original} * 2")
  if(NOT doubled EQUAL expected)
    message(FATAL_ERROR "${table}: ${doubled} rows, expected ${expected}")
  endif()
endforeach()

run(${CLI} --db ${WORK}/original.dll search 北京 上海)
count_lines("${out}" original)
run(${CLI} --db ${WORK}/doubled.dll search 北京 上海)
count_lines("${out}" doubled)
math(EXPR expected "${original} * 2")
if(original EQUAL 0 OR NOT doubled EQUAL expected)
  message(FATAL_ERROR "search 北京 上海: ${doubled} trains on the doubled network, ${original} on the original")
endif()
file(REMOVE_RECURSE ${WORK})
