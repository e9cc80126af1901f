# GoogleTest for both builds: the system package natively, built from Debian's
# googletest sources for the Windows build.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# A test binary of the project. Windows ones run under Wine in the test Wine
# environment of the given locales (ja: code page 932, en: code page 1252).
function(zelvane_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCALES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  zelvane_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    if(NOT T_LOCALES)
      set(T_LOCALES ja en)
    endif()
    foreach(locale IN LISTS T_LOCALES)
      add_test(NAME ${name}_${locale} COMMAND ${name})
      set_tests_properties(${name}_${locale} PROPERTIES
        ENVIRONMENT "ZELVANE_LOCALE=${locale};ZELVANE_WINE_STATE=${CMAKE_BINARY_DIR}/wine"
        FIXTURES_REQUIRED wine_${locale} RESOURCE_LOCK wine_display_${locale} TIMEOUT 300)
    endforeach()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
