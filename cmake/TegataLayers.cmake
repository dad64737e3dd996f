# Makes one static library per layer of cmake/layers.txt, each linked with the layers below it.
# tegata_runtime is all of them: what the host, the tests and the benchmarks link. The export
# lists of the layers' folders are gathered in TEGATA_EXPORT_LISTS.
file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/layers.txt layer_lines REGEX "^[a-z]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/layers.txt)
foreach(line ${layer_lines})
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(POP_FRONT fields layer below)
  set(sources "")
  foreach(folder ${fields})
    file(GLOB folder_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB folder_exports CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.exports)
    list(APPEND sources ${folder_sources})
    list(APPEND TEGATA_EXPORT_LISTS ${folder_exports})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/startup/main\\.cpp$")
  add_library(tegata_${layer} STATIC ${sources})
  target_include_directories(tegata_${layer} PUBLIC ${CMAKE_SOURCE_DIR})
  if(NOT below STREQUAL "-")
    string(REPLACE "," ";" below "${below}")
    list(TRANSFORM below PREPEND tegata_)
    target_link_libraries(tegata_${layer} PUBLIC ${below})
  endif()
endforeach()

add_library(tegata_runtime INTERFACE)
target_link_libraries(tegata_runtime INTERFACE tegata_startup comctl32 comdlg32 ole32 shell32 winmm)

# Every symbol a layer takes from another comes from a layer below it.
add_test(NAME layer_link_check
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/lib/layer-link-check ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${CMAKE_NM})

# Every routine of an export list is defined in the list's own folder.
add_test(NAME export_check
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/lib/export-check ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${CMAKE_NM})
