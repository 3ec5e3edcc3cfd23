# SPDX-License-Identifier: MIT
# lunafold_add_test(<name>
#     [LIBS lib...] [SOURCES file...] [DEFINES def...] [INCLUDES dir...] [DEPENDS target...]
#     [WRAP command...] [ARGS arg...] [COMMAND command...] [TEST_NAME name]
#     [LABELS label...] [ENV VAR=value...] [GTEST] [RUN_SERIAL])
#
# Builds <name> from <name>.cpp and SOURCES, linked with LIBS, and registers it with CTest as
# "WRAP... <name> ARGS..." (with GTEST: one CTest test per GoogleTest case, ENV not supported).
# With COMMAND no program is built: the test runs that command (a script). TEST_NAME renames the
# test, e.g. when one program runs as two tests.
function(lunafold_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "GTEST;RUN_SERIAL" "TEST_NAME"
                        "LIBS;SOURCES;DEFINES;INCLUDES;DEPENDS;WRAP;ARGS;COMMAND;LABELS;ENV")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "lunafold_add_test(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_TEST_NAME)
    set(arg_TEST_NAME ${name})
  endif()

  if(arg_COMMAND)
    set(command ${arg_COMMAND})
  else()
    add_executable(${name} ${name}.cpp ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_compile_definitions(${name} PRIVATE ${arg_DEFINES})
    target_include_directories(${name} PRIVATE ${arg_INCLUDES})
    if(arg_DEPENDS)
      add_dependencies(${name} ${arg_DEPENDS})
    endif()
    if(arg_GTEST)
      gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${arg_LABELS}")
      return()
    endif()
    set(command ${arg_WRAP} $<TARGET_FILE:${name}> ${arg_ARGS})
  endif()

  add_test(NAME ${arg_TEST_NAME} COMMAND ${command})
  # One property per call: a list value (two labels, two variables) must not be split.
  set_tests_properties(${arg_TEST_NAME} PROPERTIES LABELS "${arg_LABELS}")
  set_tests_properties(${arg_TEST_NAME} PROPERTIES ENVIRONMENT "${arg_ENV}")
  if(arg_RUN_SERIAL)
    set_tests_properties(${arg_TEST_NAME} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
