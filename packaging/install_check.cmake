# Installs the build tree BUILD into OUT/usr and starts the installed kordwin
# with --self-check offscreen, for a person whose home is OUT/home; then the
# installed kord reads the copy of the sample the check made there.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${OUT}/usr
  OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

file(MAKE_DIRECTORY ${OUT}/home)
set(person HOME=${OUT}/home XDG_CONFIG_HOME=${OUT}/home/.config QT_QPA_PLATFORM=offscreen)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=KORD_DATA_DIR ${person}
    ${OUT}/usr/bin/kordwin --self-check
  WORKING_DIRECTORY ${OUT} OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE checked)
message("${report}")
if(NOT checked EQUAL 0 OR NOT report MATCHES "self-check passed")
  message(FATAL_ERROR "kordwin --self-check failed (${checked}): ${errors}")
endif()
string(FIND "${report}" "data folder: ${OUT}/usr/share/kord/" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the installed kordwin did not take its data from ${OUT}/usr/share/kord")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=KORD_DATA_DIR ${person}
    ${OUT}/usr/bin/kord info ${OUT}/home/Kord/sample/famiglia.rni
  OUTPUT_VARIABLE info RESULT_VARIABLE read)
if(NOT read EQUAL 0)
  message(FATAL_ERROR "the installed kord cannot read the sample copy (${read})")
endif()
