# How ctest runs the Windows test programs and benchmark smokes under Wine (scripts/lib/wine-run).

# tegata_wine_test_properties(<test> <seconds> <no_desktop>)
# wine-run ends the program, with every program it started, after <seconds> and keeps Wine's
# output; ctest's own limit comes later, since when ctest ends a test it ends only wine-run
# and the program's output and children would be lost. Both are given for our usual machines
# and stretched by the bench's time scale (TEGATA_TIME_SCALE) when the tests run: wine-run
# stretches its own, ctest's are set anew from the list written below.
# A test shows windows or message boxes, or types and clicks, unless <no_desktop> is true:
# such tests take turns on the one desktop, since keys typed and boxes answered by one must not
# reach another's. Tests that show nothing run beside them.
function(tegata_wine_test_properties test seconds no_desktop)
  math(EXPR ctest_limit "${seconds} + 30")
  set_tests_properties(${test} PROPERTIES TIMEOUT ${ctest_limit} ENVIRONMENT TEGATA_WINE_TIMEOUT=${seconds})
  if(NOT no_desktop)
    set_tests_properties(${test} PROPERTIES RESOURCE_LOCK desktop)
  endif()
  set_property(GLOBAL APPEND PROPERTY tegata_wine_test_limits "tegata_stretch(${test} ${seconds})")
endfunction()

# Written once every test is known: a script that ctest reads after the tests (scripts/build
# names it in the build's top test file). It sets each Windows test's ctest limit to its
# seconds stretched by TEGATA_TIME_SCALE (one decimal), plus the same 30 s.
function(tegata_write_stretched_limits)
  get_property(limits GLOBAL PROPERTY tegata_wine_test_limits)
  list(JOIN limits "\n" calls)
  file(WRITE ${CMAKE_BINARY_DIR}/stretched-limits.cmake
"# Written by the build (cmake/TegataWineTests.cmake): every Windows test's limit, stretched.
set(tegata_tenths 10)
if(\"\$ENV{TEGATA_TIME_SCALE}\" MATCHES \"^([0-9]+)(\\\\.([0-9]))?\")
  set(tegata_tenths \"\${CMAKE_MATCH_1}\${CMAKE_MATCH_3}\")
  if(\"\${CMAKE_MATCH_3}\" STREQUAL \"\")
    set(tegata_tenths \"\${CMAKE_MATCH_1}0\")
  endif()
  if(tegata_tenths LESS 10)
    set(tegata_tenths 10)
  endif()
endif()
macro(tegata_stretch test seconds)
  math(EXPR tegata_limit \"(\${seconds} * \${tegata_tenths} + 9) / 10 + 30\")
  set_tests_properties(\${test} PROPERTIES TIMEOUT \${tegata_limit})
endmacro()
${calls}
")
endfunction()
cmake_language(DEFER CALL tegata_write_stretched_limits)
