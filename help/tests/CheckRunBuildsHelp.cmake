# scripts/run builds what the editor it starts needs, the help file among it: building the
# targets on its build line must write bin/vornalix.chm, or F1 finds no help.
# -DRUN=scripts/run -DBUILD=<the windows build folder> -DNINJA=<ninja>
file(READ ${RUN} run)
if(NOT run MATCHES "scripts/build windows ([^\n]+)")
  message(FATAL_ERROR "${RUN} has no line building the windows preset")
endif()
separate_arguments(targets UNIX_COMMAND "${CMAKE_MATCH_1}")
execute_process(COMMAND ${NINJA} -C ${BUILD} -t commands ${targets}
  OUTPUT_VARIABLE commands RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ninja cannot list the commands of ${targets}")
endif()
if(NOT commands MATCHES "/bin/vornalix\\.chm")
  message(FATAL_ERROR "scripts/run builds ${targets}, which leave out the help file bin/vornalix.chm")
endif()
