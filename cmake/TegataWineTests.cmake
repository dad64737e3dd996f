# How ctest runs the Windows test programs and benchmark smokes under Wine (scripts/lib/wine-run).

# tegata_wine_test_properties(<test> <seconds> <no_desktop>)
# wine-run ends the program, with every program it started, after <seconds> and keeps Wine's
# output; ctest's own limit comes later, since when ctest ends a test it ends only wine-run
# and the program's output and children would be lost.
# A test shows windows or message boxes, or types and clicks, unless <no_desktop> is true:
# such tests take turns on the one desktop, since keys typed and boxes answered by one must not
# reach another's. Tests that show nothing run beside them.
function(tegata_wine_test_properties test seconds no_desktop)
  math(EXPR ctest_limit "${seconds} + 30")
  set_tests_properties(${test} PROPERTIES TIMEOUT ${ctest_limit} ENVIRONMENT TEGATA_WINE_TIMEOUT=${seconds})
  if(NOT no_desktop)
    set_tests_properties(${test} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()
