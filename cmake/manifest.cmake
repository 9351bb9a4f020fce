# The application manifest (res/wabo.manifest.in) with the program's version
# from common/version.h, the one place of it. Used by the program's build and
# by the bench's bare window, which carries the same manifest.
#   wabo_manifest(<output file>)
get_filename_component(WABO_MANIFEST_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
function(wabo_manifest output)
  set(root ${WABO_MANIFEST_ROOT})
  set(header ${root}/common/version.h)
  file(STRINGS ${header} major REGEX "^#define WABO_VERSION_MAJOR [0-9]+$")
  file(STRINGS ${header} minor REGEX "^#define WABO_VERSION_MINOR [0-9]+$")
  string(REGEX REPLACE ".* " "" major "${major}")
  string(REGEX REPLACE ".* " "" minor "${minor}")
  if(major STREQUAL "" OR minor STREQUAL "")
    message(FATAL_ERROR "no WABO_VERSION_MAJOR / WABO_VERSION_MINOR in ${header}")
  endif()
  set(WABO_MANIFEST_VERSION "${major}.${minor}.0.0")
  configure_file(${root}/res/wabo.manifest.in ${output} @ONLY)
  # A new version makes the manifest again.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
endfunction()
