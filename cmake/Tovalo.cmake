# Helpers shared by every folder of the project.

# Our own code is compiled with the common warnings; they stop the build only when
# TOVALO_WERROR is on, so that a packager's build with another compiler still finishes.
function(tovalo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ${TOVALO_WERROR})
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
