# The shell's start-up: the mode decisions (platform-neutral, both builds) and,
# in the Windows build, the zoom routines, Main and the shell program itself.
add_library(zelvane_startup_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/leading_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zelvane_b_startup.cpp)
target_include_directories(zelvane_startup_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
zelvane_warnings(zelvane_startup_core)

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# The start-up state and zoom routines that the shell's forms use.
add_library(zelvane_startup STATIC ${CMAKE_CURRENT_LIST_DIR}/win32_zoom.cpp)
target_link_libraries(zelvane_startup PUBLIC zelvane_startup_core user32)
zelvane_warnings(zelvane_startup)

# The shell program, dist/ゼルヴェイン.scr. The saver host, the preview and the
# settings dialog add their libraries to it from their own folders.
set(shell_resources ${CMAKE_CURRENT_LIST_DIR}/../resources)
add_executable(zelvane_shell WIN32
  ${CMAKE_CURRENT_LIST_DIR}/win32_shell_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_main.cpp
  ${shell_resources}/shell.rc)
set_source_files_properties(${shell_resources}/shell.rc PROPERTIES
  OBJECT_DEPENDS "${shell_resources}/zelvane_shell.ico;${shell_resources}/shell_resource_ids.h;${CMAKE_BINARY_DIR}/generated/zelvane_version.h")
target_include_directories(zelvane_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/..
  $<$<COMPILE_LANGUAGE:RC>:${shell_resources}>)
target_link_libraries(zelvane_shell PRIVATE zelvane_startup zelvane_settings zelvane_runtime
  zelvane_version)
target_link_options(zelvane_shell PRIVATE -municode)
set_target_properties(zelvane_shell PROPERTIES
  OUTPUT_NAME "ゼルヴェイン"
  SUFFIX ".scr"
  RUNTIME_OUTPUT_DIRECTORY ${ZELVANE_DIST_DIR})
zelvane_warnings(zelvane_shell)
