# The runtime export table is written as one list per subsystem (<folder>/<name>.exports, found
# in the layers' folders by TegataLayers.cmake).
# The build joins them: generated/exportlists.inc for the table in C++, and exports.all,
# the one file the image linker checks imported names against.
list(SORT TEGATA_EXPORT_LISTS)
set(TEGATA_EXPORTS_FILE ${CMAKE_BINARY_DIR}/generated/exports.all)

set(includes "")
foreach(list ${TEGATA_EXPORT_LISTS})
  string(APPEND includes "#include \"${list}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/exportlists.inc CONTENT "${includes}")

add_custom_command(OUTPUT ${TEGATA_EXPORTS_FILE}
  COMMAND ${CMAKE_COMMAND} -E cat ${TEGATA_EXPORT_LISTS} > ${TEGATA_EXPORTS_FILE}
  DEPENDS ${TEGATA_EXPORT_LISTS}
  COMMENT "Joining the export lists")
add_custom_target(tegata_exports DEPENDS ${TEGATA_EXPORTS_FILE})
