# Build time. A build from nothing (a new checkout, CI) spends most of its
# time reading the same headers again for every small file: the program's
# own sources compile in batches (one unit per batch), and the tests read
# GoogleTest's and Qt's headers once, precompiled. A developer's tree keeps
# one unit per file unless asked, so an edit recompiles one file.
option(TARNWICK_UNITY "Compile the program's sources in batches (faster from nothing)" OFF)
option(TARNWICK_TEST_PCH "Precompile the headers every test file reads" ON)

if(TARNWICK_UNITY)
  foreach(target tarnwick_core tarnwick-cli tarnwick_map_paint tarnwick-map-png tarnwick_ui tarnwick
                 tarnwick_testkit core_tests gui_tests)
    if(TARGET ${target})
      set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
    endif()
  endforeach()
endif()

if(TARNWICK_TESTS)
  # The tests' own code needs no optimisation: the core they call
  # keeps the build type's flags.
  foreach(target core_tests gui_tests tarnwick_testkit)
    if(TARGET ${target})
      target_compile_options(${target} PRIVATE "$<$<CONFIG:Release,RelWithDebInfo>:-O0;-g1>")
    endif()
  endforeach()
  if(TARNWICK_TEST_PCH)
    target_precompile_headers(core_tests PRIVATE <gtest/gtest.h> <algorithm> <filesystem> <functional>
                              <map> <set> <string> <vector> "${CMAKE_SOURCE_DIR}/src/world/world.h")
    if(TARGET gui_tests)
      target_precompile_headers(gui_tests PRIVATE <gtest/gtest.h> <QtTest> <QtWidgets> <filesystem>
                                "${CMAKE_SOURCE_DIR}/src/world/world.h")
    endif()
  endif()
endif()
