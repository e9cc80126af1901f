# The shell's start-up: the mode decisions (platform-neutral, both builds) and,
# in the Windows build, Main, the zoom routines and the shell program itself.
add_library(zelvane_startup_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/leading_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_mode.cpp)
target_include_directories(zelvane_startup_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
zelvane_warnings(zelvane_startup_core)
