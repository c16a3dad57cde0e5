# Build steps that run the ZEDRA generators, in the manner of flex_target()
# and bison_target():
#
#   zedra_scanner(<name> <specification>
#                 [OUTPUT_DIR <dir>] [ACTIONS <file> ...] [TEMPLATES]
#                 [OPTIONS <option> ...] [DEPENDS <file> ...])
#
#   zedra_parser(<name> <specification> [SCANNER <scanner-name>]
#                [OUTPUT_DIR <dir>] [ACTIONS <file> ...] [MODULES <module> ...]
#                [TEMPLATES] [OPTIONS <option> ...] [DEPENDS <file> ...])
#
# Each adds a custom command that runs sgen or pgen on the specification with
# --output-dir, so that every file is written into the output folder (default:
# the current binary folder; a relative name is taken below it). The command
# runs again when the specification, the generator or a file of DEPENDS
# changes; a parser also depends on the include file (.inc) of its SCANNER,
# and pgen runs in the scanner's output folder, where it finds that file
# (without SCANNER in the specification's folder; include files are also
# found in the output folder and below $KOSTAL/include). Include files of
# the user's own (.inc) named in DEPENDS are copied into the scanner's
# output folder first, so that the parser finds them there too.
#
# ACTIONS hands over the user's action modules (a scanner's definition
# modules with the conversion actions, a parser's action modules): a source
# file m.c is compiled with the generated code, and the generator writes its
# header m.h into the output folder, freshly on every run; a header m.h
# handed over as well is the user's own, copied into the output folder
# instead, where the generator leaves it alone. MODULES names action modules
# on pgen's command line, for a specification that does not name the module
# of its actions itself. Templates of action modules
# are not written unless TEMPLATES is given (then into the output folder,
# for modules whose source is missing there). OPTIONS are further options of
# the generator, such as --graph or --diagrams (their .dot and .html files
# become outputs too).
#
# Variables set for <name>, all paths absolute:
#
#   ZEDRA_<name>_DEFINED        TRUE
#   ZEDRA_<name>_INPUT          the specification
#   ZEDRA_<name>_MODULE         the module name (the first 8 characters of the
#                               specification's base name), which names the files
#   ZEDRA_<name>_OUTPUT_DIR     the output folder
#   ZEDRA_<name>_OUTPUT_SOURCE  the generated scanner or parser, <module>.c
#   ZEDRA_<name>_OUTPUT_HEADER  (scanner) the generated header <module>.h
#   ZEDRA_<name>_INCLUDE_FILE   (scanner) the include file <module>.inc for pgen
#   ZEDRA_<name>_LISTING        the listing <module>.lst
#   ZEDRA_<name>_HEADERS        the headers in the output folder: generated ones
#                               and copies of the user's own
#   ZEDRA_<name>_OUTPUTS        every file the command writes, but for the
#                               templates of TEMPLATES (the specification
#                               names their modules)
#   ZEDRA_<name>_SOURCES        what a target compiles: the generated source,
#                               the headers and the action modules' sources
#   ZEDRA_<name>_INCLUDE_DIRS   the output folder (for a parser also those of
#                               its scanner)
#
# The generated code is compiled with the runtime; link ZEDRA::runtime:
#
#   zedra_scanner(calcscan calcscan.inp ACTIONS calcdefs.c)
#   zedra_parser(calc calc.inp SCANNER calcscan ACTIONS calcacts.c)
#   add_executable(calc ${ZEDRA_calcscan_SOURCES} ${ZEDRA_calc_SOURCES})
#   target_include_directories(calc PRIVATE ${ZEDRA_calc_INCLUDE_DIRS})
#   target_link_libraries(calc PRIVATE ZEDRA::runtime)
#
# As with every custom command, the target that compiles the files must be
# declared in the folder that calls these functions. The SCANNER of a parser
# may be of another folder, added before: zedra_parser() then sets the
# scanner's variables in its caller's folder as well.
#
# The generators are the targets ZEDRA::sgen and ZEDRA::pgen: imported ones
# from an installed ZEDRA, the programs of the build inside ZEDRA's own tree.

include_guard(GLOBAL)

# The check that runs after each generator stands beside this file.
set(_ZEDRA_CHECK_HEADERS "${CMAKE_CURRENT_LIST_DIR}/ZEDRACheckHeaders.cmake")

# The module name of a specification: its base name without the last
# extension, at most 8 characters, as the generators take it.
function(_zedra_module_name spec result)
  get_filename_component(name "${spec}" NAME_WLE)
  string(SUBSTRING "${name}" 0 8 name)
  set(${result} "${name}" PARENT_SCOPE)
endfunction()

# The specification's absolute path; a name without extension may stand for
# the file with ".inp", as on the generators' command lines.
function(_zedra_specification caller spec result)
  get_filename_component(path "${spec}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(NOT EXISTS "${path}" AND EXISTS "${path}.inp")
    set(path "${path}.inp")
  endif()
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    message(FATAL_ERROR "${caller}: the specification '${spec}' does not exist")
  endif()
  set(${result} "${path}" PARENT_SCOPE)
endfunction()

# The keywords of both functions, into ZEDRA_ARG_*.
macro(_zedra_parse_arguments caller)
  cmake_parse_arguments(ZEDRA_ARG "TEMPLATES" "OUTPUT_DIR;SCANNER"
                        "ACTIONS;MODULES;OPTIONS;DEPENDS" ${ARGN})
  if(ZEDRA_ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${caller}: unknown arguments: ${ZEDRA_ARG_UNPARSED_ARGUMENTS}")
  endif()
endmacro()

# Warns of a header of the same name as one of <headers> (in the output
# folder <dir>) in the current source folder, left there by running a
# generator by hand: the C files of that folder would include it instead
# of the one the build writes.
function(_zedra_warn_shadowing_headers caller dir)
  if(CMAKE_CURRENT_SOURCE_DIR STREQUAL dir)
    return()
  endif()
  foreach(header IN LISTS ARGN)
    get_filename_component(file_name "${header}" NAME)
    set(stale "${CMAKE_CURRENT_SOURCE_DIR}/${file_name}")
    if(EXISTS "${stale}")
      message(WARNING "${caller}: ${stale} hides the header that the build writes "
                      "into ${dir} from the C files beside it; remove it "
                      "(a file of a run by hand?) or, for a header of your own, hand it in "
                      "through ACTIONS")
    endif()
  endforeach()
endfunction()

# Runs sgen (<kind> "scanner") or pgen (<kind> "parser") on <spec> for the
# two functions: checks the arguments, adds the custom command and sets the
# variables of <name> in the caller's scope.
function(_zedra_generate caller kind name spec)
  _zedra_parse_arguments(${caller} ${ARGN})
  if(kind STREQUAL "scanner" AND (DEFINED ZEDRA_ARG_SCANNER OR DEFINED ZEDRA_ARG_MODULES))
    message(FATAL_ERROR "${caller}: SCANNER and MODULES belong to zedra_parser()")
  endif()
  _zedra_specification(${caller} "${spec}" input)
  _zedra_module_name("${input}" module)

  if(ZEDRA_ARG_OUTPUT_DIR)
    get_filename_component(dir "${ZEDRA_ARG_OUTPUT_DIR}" ABSOLUTE
                           BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  else()
    set(dir "${CMAKE_CURRENT_BINARY_DIR}")
  endif()
  file(MAKE_DIRECTORY "${dir}")

  # The action modules: sources to compile, the user's own headers (copied)
  # and the headers that the generator writes.
  set(action_sources)
  set(own_headers)
  set(own_modules)
  set(source_modules)
  foreach(file IN LISTS ZEDRA_ARG_ACTIONS)
    get_filename_component(path "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(module_of_file "${path}" NAME_WLE)
    get_filename_component(extension "${path}" LAST_EXT)
    if(extension STREQUAL ".h")
      list(APPEND own_headers "${path}")
      list(APPEND own_modules "${module_of_file}")
    else()
      list(APPEND action_sources "${path}")
      list(APPEND source_modules "${module_of_file}")
    endif()
  endforeach()
  set(generated_headers)
  foreach(module_of_file IN LISTS source_modules)
    if(NOT module_of_file IN_LIST own_modules)
      list(APPEND generated_headers "${dir}/${module_of_file}.h")
    endif()
  endforeach()
  # The user's own headers are copied into the output folder, but for
  # those that stand there already (an in-source build).
  set(copied_headers)
  set(headers_to_copy)
  set(headers_in_place)
  foreach(path IN LISTS own_headers)
    get_filename_component(file_name "${path}" NAME)
    if(path STREQUAL "${dir}/${file_name}")
      list(APPEND headers_in_place "${path}")
    else()
      list(APPEND headers_to_copy "${path}")
      list(APPEND copied_headers "${dir}/${file_name}")
    endif()
  endforeach()

  if(kind STREQUAL "scanner")
    set(generator ZEDRA::sgen)
    set(main_outputs "${dir}/${module}.h" "${dir}/${module}.c" "${dir}/${module}.inc")
  else()
    set(generator ZEDRA::pgen)
    set(main_outputs "${dir}/${module}.c")
  endif()
  set(listing "${dir}/${module}.lst")
  foreach(option IN LISTS ZEDRA_ARG_OPTIONS)
    if(option MATCHES "^--graph")
      list(APPEND main_outputs "${dir}/${module}.dot")
    elseif(option MATCHES "^--diagrams")
      list(APPEND main_outputs "${dir}/${module}.html")
    endif()
  endforeach()

  # A parser reads the include file of its scanner from the scanner's
  # output folder, its working folder; without a scanner it runs in the
  # specification's folder, where include files of the user's own are found.
  set(working_dir "${dir}")
  if(kind STREQUAL "parser")
    get_filename_component(working_dir "${input}" DIRECTORY)
  endif()
  set(scanner_depends)
  set(include_dirs "${dir}")
  if(DEFINED ZEDRA_ARG_SCANNER)
    set(scanner "${ZEDRA_ARG_SCANNER}")
    if(NOT ZEDRA_${scanner}_DEFINED OR NOT DEFINED ZEDRA_${scanner}_INCLUDE_FILE)
      message(FATAL_ERROR "${caller}: '${scanner}' is no scanner of zedra_scanner() "
                          "(a scanner of another folder is known once that folder is added)")
    endif()
    set(working_dir "${ZEDRA_${scanner}_OUTPUT_DIR}")
    set(scanner_depends "${ZEDRA_${scanner}_INCLUDE_FILE}")
    list(APPEND include_dirs ${ZEDRA_${scanner}_INCLUDE_DIRS})
    list(REMOVE_DUPLICATES include_dirs)
  endif()

  set(arguments --output-dir "${dir}")
  if(NOT ZEDRA_ARG_TEMPLATES)
    list(APPEND arguments --no-templates)
  endif()
  list(APPEND arguments ${ZEDRA_ARG_OPTIONS} "${input}" ${ZEDRA_ARG_MODULES})

  # The generators write an action header only when it is missing: the
  # generated ones are removed first, so that they follow the specification.
  set(prepare)
  if(generated_headers)
    list(APPEND prepare COMMAND "${CMAKE_COMMAND}" -E rm -f ${generated_headers})
  endif()
  if(headers_to_copy)
    list(APPEND prepare COMMAND "${CMAKE_COMMAND}" -E copy ${headers_to_copy} "${dir}")
  endif()
  # pgen reads include files in its working folder: with a SCANNER that is
  # the scanner's output folder, so the include files of DEPENDS go there
  # (the specification's folder, the source tree, is never written).
  set(own_includes)
  foreach(file IN LISTS ZEDRA_ARG_DEPENDS)
    get_filename_component(path "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(extension "${path}" LAST_EXT)
    get_filename_component(folder "${path}" DIRECTORY)
    if(DEFINED ZEDRA_ARG_SCANNER AND extension STREQUAL ".inc" AND NOT folder STREQUAL working_dir)
      list(APPEND own_includes "${path}")
    endif()
  endforeach()
  if(own_includes)
    list(APPEND prepare COMMAND "${CMAKE_COMMAND}" -E copy ${own_includes} "${working_dir}")
  endif()

  # Every header the command promises must be written, or the build would
  # run it again and again: a module of ACTIONS that the specification does
  # not give actions is reported.
  set(check)
  if(generated_headers)
    string(REPLACE ";" "|" promised "${generated_headers}")
    set(check COMMAND "${CMAKE_COMMAND}" "-DZEDRA_SPEC=${input}" "-DZEDRA_HEADERS=${promised}"
              -P "${_ZEDRA_CHECK_HEADERS}")
  endif()

  set(outputs ${main_outputs} ${listing} ${generated_headers} ${copied_headers})
  file(RELATIVE_PATH shown "${CMAKE_SOURCE_DIR}" "${input}")
  if(shown MATCHES "^\\.\\./")
    set(shown "${input}")
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    ${prepare}
    COMMAND ${generator} ${arguments}
    ${check}
    DEPENDS ${generator} "${input}" ${scanner_depends} ${own_headers} ${ZEDRA_ARG_DEPENDS}
    WORKING_DIRECTORY "${working_dir}"
    COMMENT "Generating the ${kind} ${module} from ${shown}"
    VERBATIM)

  set(headers ${generated_headers} ${copied_headers} ${headers_in_place})
  if(kind STREQUAL "scanner")
    list(PREPEND headers "${dir}/${module}.h")
    set(ZEDRA_${name}_OUTPUT_HEADER "${dir}/${module}.h" PARENT_SCOPE)
    set(ZEDRA_${name}_INCLUDE_FILE "${dir}/${module}.inc" PARENT_SCOPE)
  endif()
  set(written_headers ${generated_headers})
  if(kind STREQUAL "scanner")
    list(PREPEND written_headers "${dir}/${module}.h")
  endif()
  _zedra_warn_shadowing_headers(${caller} "${dir}" ${written_headers})
  set(ZEDRA_${name}_DEFINED TRUE PARENT_SCOPE)
  set(ZEDRA_${name}_INPUT "${input}" PARENT_SCOPE)
  set(ZEDRA_${name}_MODULE "${module}" PARENT_SCOPE)
  set(ZEDRA_${name}_OUTPUT_DIR "${dir}" PARENT_SCOPE)
  set(ZEDRA_${name}_OUTPUT_SOURCE "${dir}/${module}.c" PARENT_SCOPE)
  set(ZEDRA_${name}_LISTING "${listing}" PARENT_SCOPE)
  set(ZEDRA_${name}_HEADERS "${headers}" PARENT_SCOPE)
  set(ZEDRA_${name}_OUTPUTS "${outputs}" PARENT_SCOPE)
  set(sources "${dir}/${module}.c" ${headers} ${action_sources})
  set(ZEDRA_${name}_SOURCES "${sources}" PARENT_SCOPE)
  set(ZEDRA_${name}_INCLUDE_DIRS "${include_dirs}" PARENT_SCOPE)
endfunction()

# The variables of a scanner.
set(_ZEDRA_SCANNER_VARIABLES DEFINED INPUT MODULE OUTPUT_DIR OUTPUT_SOURCE OUTPUT_HEADER
    INCLUDE_FILE LISTING HEADERS OUTPUTS SOURCES INCLUDE_DIRS)

# A scanner generated by sgen from <spec>; see the top of this file. Its
# variables are kept as global properties too, for a parser of another
# folder.
function(zedra_scanner name spec)
  _zedra_generate(zedra_scanner scanner ${name} "${spec}" ${ARGN})
  foreach(variable IN LISTS _ZEDRA_SCANNER_VARIABLES)
    set(ZEDRA_${name}_${variable} "${ZEDRA_${name}_${variable}}" PARENT_SCOPE)
    set_property(GLOBAL PROPERTY ZEDRA_SCANNER_${name}_${variable} "${ZEDRA_${name}_${variable}}")
  endforeach()
endfunction()

# The variables of the scanner <scanner> of another folder, where the
# caller does not see them, from the global properties of zedra_scanner()
# into the caller's scope and the scope above.
macro(_zedra_import_scanner scanner)
  get_property(_zedra_known GLOBAL PROPERTY ZEDRA_SCANNER_${scanner}_DEFINED)
  if(NOT ZEDRA_${scanner}_DEFINED AND _zedra_known)
    foreach(_zedra_variable IN LISTS _ZEDRA_SCANNER_VARIABLES)
      get_property(ZEDRA_${scanner}_${_zedra_variable} GLOBAL
                   PROPERTY ZEDRA_SCANNER_${scanner}_${_zedra_variable})
      set(ZEDRA_${scanner}_${_zedra_variable} "${ZEDRA_${scanner}_${_zedra_variable}}" PARENT_SCOPE)
    endforeach()
  endif()
endmacro()

# A parser generated by pgen from <spec>; see the top of this file. The
# variables of a SCANNER of another folder become known in the caller's
# folder as well.
function(zedra_parser name spec)
  cmake_parse_arguments(ZEDRA_OF_PARSER "" "SCANNER" "" ${ARGN})
  if(ZEDRA_OF_PARSER_SCANNER)
    _zedra_import_scanner(${ZEDRA_OF_PARSER_SCANNER})
  endif()
  _zedra_generate(zedra_parser parser ${name} "${spec}" ${ARGN})
  foreach(variable DEFINED INPUT MODULE OUTPUT_DIR OUTPUT_SOURCE
                   LISTING HEADERS OUTPUTS SOURCES INCLUDE_DIRS)
    set(ZEDRA_${name}_${variable} "${ZEDRA_${name}_${variable}}" PARENT_SCOPE)
  endforeach()
endfunction()
