# The formatter checks its formats when a call is compiled. Prove it at
# configure time: a matching call compiles, mismatched ones are refused; the
# configuration fails when that stops being true.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
foreach(case 0 1 2 3 4)
  try_compile(tr_format_case_${case} ${CMAKE_BINARY_DIR}/format_check/${case}
              SOURCES ${CMAKE_SOURCE_DIR}/cmake/format_check.cpp
              COMPILE_DEFINITIONS -DFORMAT_CASE=${case}
              CMAKE_FLAGS "-DINCLUDE_DIRECTORIES=${CMAKE_SOURCE_DIR}"
              CXX_STANDARD 20 CXX_STANDARD_REQUIRED ON
              OUTPUT_VARIABLE tr_format_output)
  if(case EQUAL 0 AND NOT tr_format_case_${case})
    message(FATAL_ERROR "A matching format call does not compile:\n${tr_format_output}")
  elseif(case GREATER 0 AND tr_format_case_${case})
    message(FATAL_ERROR "Format check case ${case} compiled although its format does not match its arguments")
  endif()
endforeach()
unset(CMAKE_TRY_COMPILE_TARGET_TYPE)
message(STATUS "Format check: mismatched formats are refused")
