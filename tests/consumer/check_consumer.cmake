# Installs the built library into a scratch prefix, then configures, builds
# and runs the consumer project against that prefix alone.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
if(NOT EXISTS ${prefix}/include/vazaveVurovi/oruRibbonApplication.h)
    message(FATAL_ERROR "public headers were not installed")
endif()
file(GLOB private_headers ${prefix}/include/vazaveVurovi/*_p.h)
if(private_headers)
    message(FATAL_ERROR "private headers were installed: ${private_headers}")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LD_LIBRARY_PATH} ${prefix}/lib:${prefix}/lib64:$ENV{LD_LIBRARY_PATH})
run(${WORK_DIR}/build/consumer)
