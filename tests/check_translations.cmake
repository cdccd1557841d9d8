# Fails when a translation in translations/ is not up to date with the captions in the
# code: a caption added or changed without its translation, or a translation left over.
# Run with -DLUPDATE=<lupdate> -DROOT=<source folder> -DWORK=<scratch folder>.
file(GLOB ts_files ${ROOT}/translations/*.ts)
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    execute_process(
        COMMAND ${LUPDATE} -silent -no-obsolete -locations none
            ${ROOT}/ui ${ROOT}/platform/qt ${ROOT}/main.cpp -ts ${WORK}/${name}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${ts} kept)
    file(READ ${WORK}/${name} current)
    if(current MATCHES "type=\"unfinished\"")
        message(FATAL_ERROR "${name} lacks translations; see ${WORK}/${name}")
    endif()
    if(NOT kept STREQUAL current)
        message(FATAL_ERROR
            "${name} differs from the captions in the code; build the target tovalo_lupdate")
    endif()
endforeach()
