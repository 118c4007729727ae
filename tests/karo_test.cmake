# karo_add_test(NAME SOURCES ... LIBS ... [APPLICATION CLASS HEADER] [LOCK FILTER RESOURCE])
# One test program per area. ctest lists every case of it as a test of its own, named
# "NAME.Suite.Case", so `ctest -R NAME` still runs the whole program.
# A program whose cases draw or show windows names the Qt application object they need, e.g.
# `APPLICATION QGuiApplication QGuiApplication`; it then gets the shared gui_test_main.cpp.
# Cases that match the gtest filter of LOCK hold RESOURCE while they run: ctest runs them one at
# a time.
include(GoogleTest)

# Instrumented builds list their cases when ctest starts rather than after the link: the
# listing then runs with the sanitizer options ctest is given (the leak suppressions).
if(KARO_SANITIZE OR KARO_FUZZ)
  set(KARO_TEST_DISCOVERY PRE_TEST)
else()
  set(KARO_TEST_DISCOVERY POST_BUILD)
endif()

function(karo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;APPLICATION;LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  if(T_APPLICATION)
    list(GET T_APPLICATION 0 app_class)
    list(GET T_APPLICATION 1 app_header)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/gui_test_main.cpp)
    target_compile_definitions(${name} PRIVATE KARO_TEST_APPLICATION=${app_class}
      KARO_TEST_APPLICATION_HEADER="${app_header}")
    target_link_libraries(${name} PRIVATE Qt6::Gui)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE KARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KARO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(T_LOCK)
    list(GET T_LOCK 0 lock_filter)
    list(GET T_LOCK 1 lock_resource)
    karo_discover_tests(${name} "-${lock_filter}")
    karo_discover_tests(${name} "${lock_filter}" RESOURCE_LOCK ${lock_resource})
  else()
    karo_discover_tests(${name} "")
  endif()
endfunction()

# The cases of test program NAME that match FILTER, with the common environment and the
# properties that follow.
function(karo_discover_tests name filter)
  # No parameter values in the names: a table row that is a struct would be named by its
  # bytes, addresses included. One variable per property: a list inside a property value
  # would not survive the discovery.
  gtest_discover_tests(${name}
    TEST_PREFIX ${name}.
    NO_PRETTY_VALUES
    TEST_FILTER "${filter}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_MODE ${KARO_TEST_DISCOVERY}
    DISCOVERY_TIMEOUT 120
    PROPERTIES
      ENVIRONMENT QT_QPA_PLATFORM=offscreen
      ENVIRONMENT_MODIFICATION KARO_SOURCE_DIR=set:${PROJECT_SOURCE_DIR}
      ${ARGN})
endfunction()
