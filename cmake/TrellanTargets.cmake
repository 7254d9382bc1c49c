# Shared target helpers: one static library per subsystem folder, one test
# program per tests/ folder.

# Warnings are errors in every build of the project's own code; third-party
# code (googletest) is built without these options.
set(TR_WARNINGS -Wall -Wextra -Wno-unused-parameter -Werror)
# GCC 12 reports overlapping or out-of-bounds copies inside the standard
# library's own string and vector code once it inlines it at -O2; they stay
# warnings in optimised builds instead of stopping them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND TR_WARNINGS $<$<CONFIG:Release>:-Wno-error=restrict> $<$<CONFIG:Release>:-Wno-error=array-bounds>
       $<$<CONFIG:Release>:-Wno-error=stringop-overflow>)
endif()

function(tr_apply_options target)
  target_compile_options(${target} PRIVATE ${TR_WARNINGS})
  if(TR_TSAN)
    target_compile_options(${target} PRIVATE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=thread)
  endif()
  if(TR_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
endfunction()

# tr_glob_sources(var folder [subfolder...]) lists the .cpp files of folder
# and of its listed subfolders (relative to folder).
function(tr_glob_sources var folder)
  set(patterns ${folder}/*.cpp)
  foreach(sub IN LISTS ARGN)
    list(APPEND patterns ${folder}/${sub}/*.cpp)
  endforeach()
  file(GLOB found CONFIGURE_DEPENDS ${patterns})
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# tr_add_library(name [SUBDIRS folder...] DEPS dep...) builds every .cpp of
# the calling folder, of the listed subfolders (the families a large library
# is split into) and of its posix/ or win32/ subfolder into a static library.
function(tr_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM_LIBS;SUBDIRS" ${ARGN})
  tr_glob_sources(sources ${CMAKE_CURRENT_SOURCE_DIR} ${ARG_SUBDIRS})
  if(WIN32)
    file(GLOB os_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*.cpp)
  else()
    file(GLOB os_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/posix/*.cpp)
  endif()
  if(NOT sources AND NOT os_sources)
    # A folder that holds only headers so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${os_sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
  tr_apply_options(${name})
endfunction()

# Properties of a window test: one that needs desktop-wide state such as the
# foreground window to itself. scripts/test gives each a desk (an X display
# and a Wine prefix) of its own; run without desks, window tests take turns.
set(TR_WINDOW_TEST_PROPERTIES RESOURCE_GROUPS desks:1 ENVIRONMENT TR_WINDOW_TEST=1)

# tr_window_tests(test...) makes tests added with add_test window tests.
function(tr_window_tests)
  set_tests_properties(${ARGN} PROPERTIES ${TR_WINDOW_TEST_PROPERTIES})
endfunction()

# tr_add_test(name LIBS lib... [DIR folder] [SUBDIRS folder...] [LOCK resource]
# [SERIAL]) builds every .cpp of a tests/ folder and of its listed subfolders
# into one GoogleTest program; ctest lists each test case. Cases of programs
# that share a LOCK (a registry key, a named mutex) never run at the same
# time; SERIAL makes every case a window test.
function(tr_add_test name)
  cmake_parse_arguments(ARG "SERIAL" "DIR;LOCK" "LIBS;SUBDIRS" ${ARGN})
  set(serial)
  if(ARG_SERIAL)
    set(serial ${TR_WINDOW_TEST_PROPERTIES})
  endif()
  if(NOT ARG_DIR)
    set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  tr_glob_sources(sources ${ARG_DIR} ${ARG_SUBDIRS})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tr_testsupport GTest::gtest GTest::gmock)
  tr_apply_options(${name})
  set(lock "")
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT 300 ${lock} ${serial})
endfunction()
