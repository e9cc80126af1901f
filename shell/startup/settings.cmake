# The settings file: the platform-neutral profile text and settings rules
# (both builds, with the code page 932 converter of the platform) and, in the
# Windows build, module Zelvane_B's settings routines over real files.
add_library(zelvane_cp932 STATIC)
if(CMAKE_CROSSCOMPILING)
  target_sources(zelvane_cp932 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32_cp932.cpp)
else()
  target_sources(zelvane_cp932 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/posix_cp932.cpp)
endif()
target_include_directories(zelvane_cp932 PUBLIC ${CMAKE_CURRENT_LIST_DIR})
zelvane_warnings(zelvane_cp932)

add_library(zelvane_settings_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cp932_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_values.cpp)
target_include_directories(zelvane_settings_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zelvane_settings_core PUBLIC zelvane_cp932)
zelvane_warnings(zelvane_settings_core)

if(CMAKE_CROSSCOMPILING)
  add_library(zelvane_settings STATIC
    ${CMAKE_CURRENT_LIST_DIR}/win32_settings_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zelvane_b_settings.cpp)
  target_link_libraries(zelvane_settings PUBLIC zelvane_settings_core)
  zelvane_warnings(zelvane_settings)
endif()
