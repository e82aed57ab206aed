# Every module file carries its version in a note section (".note.gameversion") that the
# platform reads back from the file at load time, the way a version resource is read on
# the platform the plug-ins were designed for.
set(MODULE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(MODULE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(MODULE_VERSION_PATCH ${PROJECT_VERSION_PATCH})
set(MODULE_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
if(MODULE_VERSION_TWEAK STREQUAL "")
  set(MODULE_VERSION_TWEAK 0)
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/module_version.c.in
               ${CMAKE_BINARY_DIR}/generated/module_version.c @ONLY)
set(MODULE_VERSION_SOURCE ${CMAKE_BINARY_DIR}/generated/module_version.c)

# gameplugins_add_version(target major minor patch tweak): stamp a module with another
# version (tests use this to check how the version is read).
function(gameplugins_add_version target major minor patch tweak)
  set(MODULE_VERSION_MAJOR ${major})
  set(MODULE_VERSION_MINOR ${minor})
  set(MODULE_VERSION_PATCH ${patch})
  set(MODULE_VERSION_TWEAK ${tweak})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.c)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/module_version.c.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
