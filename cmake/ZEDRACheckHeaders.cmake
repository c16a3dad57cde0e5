# Runs after sgen or pgen in the build step of zedra_scanner() and
# zedra_parser(): the header of every source handed over in ACTIONS must
# now be there. A generator writes one only for a module that its
# specification names (DEFINITIONS) and gives actions; a header it never
# writes would be an output that is always missing, and the build would run
# the generator again every time.
#
#   cmake -DZEDRA_SPEC=<specification> -DZEDRA_HEADERS=<h1>|<h2>... -P ZEDRACheckHeaders.cmake
string(REPLACE "|" ";" headers "${ZEDRA_HEADERS}")
foreach(header IN LISTS headers)
  if(NOT EXISTS "${header}")
    get_filename_component(module "${header}" NAME_WE)
    message(FATAL_ERROR
      "ZEDRA: ${ZEDRA_SPEC} gives the module ${module} no actions, so no header "
      "${header} was written for the source ${module}.c of ACTIONS. Name the "
      "module in DEFINITIONS and declare its actions, hand in a header of your "
      "own (ACTIONS ${module}.c ${module}.h), or compile ${module}.c without ACTIONS.")
  endif()
endforeach()
