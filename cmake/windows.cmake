# The Win32 program: wabocore + the shell + resources, statically linked.

# Icons are drawn at build time by the icon generator, built for the build
# host from its own project (tools/icongen), the one build it has.
include(ExternalProject)
find_program(HOST_CXX NAMES c++ g++ REQUIRED)
set(ICONGEN_DIR ${CMAKE_BINARY_DIR}/icongen-host)
ExternalProject_Add(icongen_host
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/icongen
  BINARY_DIR ${ICONGEN_DIR}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${HOST_CXX} -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
file(GLOB ICONGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/icongen/*)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${ICON_DIR}/icon128.ico
  COMMAND ${ICONGEN_DIR}/icongen ${ICON_DIR}
  # The generator's own file too: a generator built anew (from sources
  # changed after the icons were last drawn) draws them again.
  DEPENDS icongen_host ${ICONGEN_DIR}/icongen ${ICONGEN_SOURCES}
  COMMENT "Drawing the program's icons")
add_custom_target(icons DEPENDS ${ICON_DIR}/icon128.ico)

# The application manifest, made from its template with the version.
include(${CMAKE_SOURCE_DIR}/cmake/manifest.cmake)
set(MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifest)
wabo_manifest(${MANIFEST_DIR}/wabo.manifest)

# res/wabo.rc is the one script compiled; it includes the subsystems' .rc
# files and the layout header, so a change to any of them rebuilds it.
set(RC_FILES ${CMAKE_SOURCE_DIR}/res/wabo.rc)
file(GLOB RC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 --include-dir ${ICON_DIR} --include-dir ${MANIFEST_DIR} --include-dir ${CMAKE_SOURCE_DIR}")
set_source_files_properties(${RC_FILES} PROPERTIES OBJECT_DEPENDS "${ICON_DIR}/icon128.ico;${MANIFEST_DIR}/wabo.manifest;${RC_PARTS}")

add_executable(wabo WIN32 ${SHELL_SOURCES} ${RC_FILES})
add_dependencies(wabo icons)
# shell32, comdlg32 and ole32 are loaded at their first use
# (common/system_library_win.h), not linked: linked, they would be loaded at
# every start. A call of one of their functions that bypasses that module
# fails to link here.
target_link_libraries(wabo PRIVATE wabocore comctl32 gdi32 user32 kernel32)
target_link_options(wabo PRIVATE -static -static-libgcc -static-libstdc++)
target_compile_definitions(wabo PRIVATE _WIN32_WINNT=0x0601 WINVER=0x0601)

# The stand-in probe command for the end-to-end tests and the bench, kept
# out of the program's own folder: a test copies it beside the program.
add_executable(nbtstat_standin ${CMAKE_SOURCE_DIR}/tools/nbtstat_standin.cpp)
set_target_properties(nbtstat_standin PROPERTIES OUTPUT_NAME nbtstat RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standin)
target_link_options(nbtstat_standin PRIVATE -static -static-libgcc -static-libstdc++)

add_subdirectory(e2e)
