# add_qtest(name SOURCES ... LIBS ... [ENV VAR=VALUE ...])
# One Qt Test executable registered with CTest, run offscreen with its own config home.
function(add_qtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        ORV_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/../shared/fixtures"
        ORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        ORV_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${T_ENV}"
        TIMEOUT 300)
endfunction()
