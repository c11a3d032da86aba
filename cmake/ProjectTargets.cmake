# One static library per source folder: every .cpp of the folder.
# ev_library(name [MOC] DEPENDS ...)
function(ev_library name)
  cmake_parse_arguments(ARG "MOC" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if(ARG_MOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# One test program per source folder: every .cpp of the test folder.
# ev_test(name [MOC] DEPENDS ...)
function(ev_test name)
  cmake_parse_arguments(ARG "MOC;SERVER_RUN" "SERVER_FILTER" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE testsupport ${ARG_DEPENDS})
  if(ARG_MOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  # The tests that need the throwaway PostgreSQL server find it through
  # EV_TEST_POSTGRES; with SERVER_RUN every test (with SERVER_FILTER those
  # the gtest filter names) runs a second time with its data directory's
  # tables on that server.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "EV_TEST_POSTGRES=${EV_TEST_POSTGRES_FILE}" FIXTURES_REQUIRED postgres_server
    DISCOVERY_TIMEOUT 60)
  if(ARG_SERVER_FILTER)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      TEST_SUFFIX "@postgres"
      TEST_FILTER "${ARG_SERVER_FILTER}"
      PROPERTIES ENVIRONMENT "EV_TEST_SERVER_TABLES=${EV_TEST_POSTGRES_FILE}" FIXTURES_REQUIRED postgres_server
      DISCOVERY_TIMEOUT 60)
  elseif(ARG_SERVER_RUN)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      TEST_SUFFIX "@postgres"
      PROPERTIES ENVIRONMENT "EV_TEST_SERVER_TABLES=${EV_TEST_POSTGRES_FILE}" FIXTURES_REQUIRED postgres_server
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
