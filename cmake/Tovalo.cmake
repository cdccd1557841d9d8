# Helpers shared by every folder of the project.

# Our own code is held to warnings as errors.
function(tovalo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# tovalo_add_test(NAME name SOURCES ... LIBS ...)
# One test executable per module, registered with CTest.
function(tovalo_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    tovalo_warnings(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
