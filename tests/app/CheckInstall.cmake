# Installs the build into a scratch prefix and checks that a desktop finds
# Quarnel there: the program, its menu entry, and the icon the entry names.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(entry "${PREFIX}/share/applications/quarnel.desktop")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "no menu entry at ${entry}")
endif()
file(STRINGS "${entry}" lines)

function(entry_value key out)
  foreach(line IN LISTS lines)
    if(line MATCHES "^${key}=(.*)$")
      set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "menu entry lacks ${key}=")
endfunction()

entry_value(Type type)
entry_value(Name name)
entry_value(Exec exec)
entry_value(Icon icon)
entry_value(Categories categories)
if(NOT type STREQUAL "Application" OR NOT name STREQUAL "Quarnel")
  message(FATAL_ERROR "menu entry is not the Quarnel application: ${type} ${name}")
endif()
if(NOT categories MATCHES "Utility;")
  message(FATAL_ERROR "menu entry is not filed under Utility: ${categories}")
endif()
if(NOT EXISTS "${PREFIX}/bin/${exec}" OR IS_DIRECTORY "${PREFIX}/bin/${exec}")
  message(FATAL_ERROR "Exec=${exec} is not an installed program")
endif()
foreach(icon_file
    "share/icons/hicolor/scalable/apps/${icon}.svg"
    "share/icons/hicolor/48x48/apps/${icon}.png")
  if(NOT EXISTS "${PREFIX}/${icon_file}")
    message(FATAL_ERROR "Icon=${icon} not installed as ${icon_file}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed program, menu entry and icon check out")
