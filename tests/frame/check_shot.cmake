# Runs the demo's screenshot mode and checks the picture it writes:
#   cmake -DPROGRAM=tarnwick -DSCENE=main -DFILE=out.png -DSIZE=WxH -P check_shot.cmake
# The file must be a PNG of SIZE pixels (the window's own size where the demo
# cannot grab the screen) with more in it than a blank picture compresses to.
foreach(var PROGRAM SCENE FILE SIZE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check_shot: ${var} not set")
    endif()
endforeach()

file(REMOVE ${FILE})
execute_process(COMMAND ${PROGRAM} --shot ${SCENE} ${FILE}
    RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "check_shot: ${PROGRAM} --shot ${SCENE} ended with ${result}")
endif()
if(NOT EXISTS ${FILE})
    message(FATAL_ERROR "check_shot: ${FILE} not written")
endif()

file(SIZE ${FILE} bytes)
file(READ ${FILE} signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "check_shot: ${FILE} is no PNG (starts ${signature})")
endif()
# The IHDR chunk: width and height as 32-bit big-endian numbers at byte 16.
file(READ ${FILE} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width_hex)
string(SUBSTRING ${header} 8 8 height_hex)
math(EXPR width "0x${width_hex}")
math(EXPR height "0x${height_hex}")
if(NOT "${width}x${height}" STREQUAL SIZE)
    message(FATAL_ERROR "check_shot: ${FILE} is ${width}x${height}, expected ${SIZE}")
endif()
# A window of one colour compresses to a few kilobytes; the ribbon, its
# icons and the text take far more.
if(bytes LESS 20000)
    message(FATAL_ERROR "check_shot: ${FILE} has only ${bytes} bytes: a blank picture?")
endif()
message(STATUS "check_shot: ${FILE}, ${width}x${height}, ${bytes} bytes")
