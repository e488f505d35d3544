# add_fuzzer(name SOURCES ... LIBS ...): a libFuzzer program, built only with -DORV_FUZZ=ON
# and clang. Never part of the test run.
function(add_fuzzer name)
    if(NOT ORV_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
endfunction()
