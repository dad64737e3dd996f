# Compiling application code into an image, and packing images into programs.
set(TEGATA_IMAGE_FLAGS
  -O2 -ffreestanding -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-jump-tables
  -fno-threadsafe-statics -fno-omit-frame-pointer -mno-stack-arg-probe
  -finput-charset=UTF-8 -fexec-charset=CP932)
set(TEGATA_IMAGELINK ${TEGATA_TOOLS_DIR}/imagelink)
set(TEGATA_IMAGEPACK ${TEGATA_TOOLS_DIR}/imagepack)
set(TEGATA_IMAGE_DIR ${CMAKE_BINARY_DIR}/images)

# tegata_add_image(<name> SOURCES <files...>) builds images/<name>.bin and images/<name>.map
# from C++ (or assembly) written against the runtime export table only.
function(tegata_add_image name)
  cmake_parse_arguments(IMAGE "" "ENTRY;CLASS_TABLE" "SOURCES" ${ARGN})
  if(NOT IMAGE_ENTRY)
    set(IMAGE_ENTRY ImageEntry)
  endif()
  if(NOT IMAGE_CLASS_TABLE)
    set(IMAGE_CLASS_TABLE ImageClassTable)
  endif()
  add_library(${name}_objects OBJECT ${IMAGE_SOURCES})
  target_compile_options(${name}_objects PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${TEGATA_IMAGE_FLAGS}>)
  target_include_directories(${name}_objects PRIVATE ${CMAKE_SOURCE_DIR})
  set(image ${TEGATA_IMAGE_DIR}/${name}.bin)
  add_custom_command(OUTPUT ${image} ${TEGATA_IMAGE_DIR}/${name}.map
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TEGATA_IMAGE_DIR}
    COMMAND ${TEGATA_IMAGELINK} --exports ${TEGATA_EXPORTS_FILE}
            --entry ${IMAGE_ENTRY} --class-table ${IMAGE_CLASS_TABLE}
            -o ${image} --map ${TEGATA_IMAGE_DIR}/${name}.map $<TARGET_OBJECTS:${name}_objects>
    DEPENDS ${name}_objects $<TARGET_OBJECTS:${name}_objects> ${TEGATA_EXPORTS_FILE} ${TEGATA_IMAGELINK}
    COMMAND_EXPAND_LISTS
    COMMENT "Linking image ${name}")
  add_custom_target(${name}_image ALL DEPENDS ${image})
  add_dependencies(${name}_image tegata_exports)
endfunction()

# tegata_resource_files(<variable> <packing options...>): the files of the resource table
# (the arguments after --resource-blob and --resource-inline).
function(tegata_resource_files variable)
  set(files "")
  set(next_is_file FALSE)
  foreach(argument ${ARGN})
    if(next_is_file)
      list(APPEND files ${argument})
      set(next_is_file FALSE)
    elseif(argument MATCHES "^--resource-(blob|inline)$")
      set(next_is_file TRUE)
    endif()
  endforeach()
  set(${variable} ${files} PARENT_SCOPE)
endfunction()

# tegata_pack_program(<image> <output.exe>) appends the image to the bare host.
function(tegata_pack_program name output)
  set(image ${TEGATA_IMAGE_DIR}/${name}.bin)
  tegata_resource_files(resources ${ARGN})
  add_custom_command(OUTPUT ${output}
    COMMAND ${TEGATA_IMAGEPACK} exe --host $<TARGET_FILE:tegata_host> --image ${image} ${ARGN} -o ${output}
    DEPENDS tegata_host ${image} ${name}_image ${TEGATA_IMAGEPACK} ${resources}
    COMMENT "Packing ${output}")
  add_custom_target(${name}_program ALL DEPENDS ${output})
endfunction()

# tegata_pack_loose(<image> <folder>) writes the loose image files the bare host reads.
# Resources given (--resource-blob/--resource-inline <file>) go to data3.dat beside them.
function(tegata_pack_loose name folder)
  set(image ${TEGATA_IMAGE_DIR}/${name}.bin)
  set(outputs ${folder}/code1.dat ${folder}/code2.dat ${folder}/data1.dat ${folder}/data2.dat)
  tegata_resource_files(resources ${ARGN})
  if(resources)
    list(APPEND outputs ${folder}/data3.dat)
  endif()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${TEGATA_IMAGEPACK} loose --image ${image} ${ARGN} --dir ${folder}
    DEPENDS ${image} ${name}_image ${TEGATA_IMAGEPACK} ${resources}
    COMMENT "Writing loose image files of ${name}")
  add_custom_target(${name}_loose ALL DEPENDS ${folder}/code1.dat)
endfunction()

# tegata_add_generated_image(<name> DESCRIPTIONS <files...> SOURCES <files...>
#                            [PLUGINS <library name> <target>...]): an image whose classes,
# windows, menus, project items, settings and plug-in list come from descriptions turned into
# C++ by the resource generator (generated/<name>/appdata.cpp and appdata.h). Each plug-in
# library the project names is the file of the DLL target given for that name.
function(tegata_add_generated_image name)
  cmake_parse_arguments(IMAGE "" "" "DESCRIPTIONS;SOURCES;DEPENDS;PLUGINS" ${ARGN})
  set(out ${CMAKE_BINARY_DIR}/generated/${name})
  set(descriptions "")
  foreach(file ${IMAGE_DESCRIPTIONS})
    list(APPEND descriptions ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  set(plugin_arguments "")
  set(plugin_files "")
  while(IMAGE_PLUGINS)
    list(POP_FRONT IMAGE_PLUGINS library target)
    list(APPEND plugin_arguments --plugin ${library}=$<TARGET_FILE:${target}>)
    list(APPEND plugin_files ${target} $<TARGET_FILE:${target}>)
  endwhile()
  add_custom_command(OUTPUT ${out}/appdata.cpp ${out}/appdata.h
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${TEGATA_TOOLS_DIR}/resgen --builtin-classes ${CMAKE_SOURCE_DIR}/runtime/objects/builtinclasses.def
            --out-dir ${out} ${plugin_arguments} ${descriptions}
    DEPENDS ${descriptions} ${IMAGE_DEPENDS} ${plugin_files}
            ${CMAKE_SOURCE_DIR}/runtime/objects/builtinclasses.def ${TEGATA_TOOLS_DIR}/resgen
    COMMENT "Generating the data of image ${name}")
  tegata_add_image(${name} SOURCES ${IMAGE_SOURCES} ${out}/appdata.cpp)
  target_include_directories(${name}_objects PRIVATE ${out} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
