# Looks for what the Python module vazavevurovi is built with: Debian's
# /usr/bin/python3 (other interpreters on a machine may lack PyQt6) with
# PyQt6 and its .sip files, its development headers, and sip-build. Sets
# VAZAVE_PYTHON_FOUND and, when found, VAZAVE_PYTHON (the interpreter),
# VAZAVE_PYTHON_INCLUDE_DIR, VAZAVE_PYTHON_EXT_SUFFIX (.cpython-311-...so),
# VAZAVE_PYQT6_SIP_DIR (PyQt6's bindings folder), VAZAVE_PYTHON_VERSION
# (3.11) and VAZAVE_SIP_BUILD.
set(VAZAVE_PYTHON /usr/bin/python3 CACHE FILEPATH "Python interpreter of the Python module")
find_program(VAZAVE_SIP_BUILD sip-build)
set(VAZAVE_PYTHON_FOUND OFF)
set(reason "")
if(NOT EXISTS ${VAZAVE_PYTHON})
    set(reason "${VAZAVE_PYTHON} not found")
elseif(NOT VAZAVE_SIP_BUILD)
    set(reason "sip-build not found (Debian: sip-tools)")
else()
    # One line each: include folder, extension suffix, PyQt6 bindings folder.
    execute_process(COMMAND ${VAZAVE_PYTHON} -c [=[
import os, sys, sysconfig
import PyQt6, PyQt6.sip
print(sysconfig.get_paths()["include"])
print(sysconfig.get_config_var("EXT_SUFFIX"))
print(os.path.join(os.path.dirname(PyQt6.__file__), "bindings"))
print("%d.%d" % sys.version_info[:2])
]=]
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        set(reason "${VAZAVE_PYTHON} cannot import PyQt6 (Debian: python3-pyqt6)")
    else()
        string(REPLACE "\n" ";" output "${output}")
        list(GET output 0 VAZAVE_PYTHON_INCLUDE_DIR)
        list(GET output 1 VAZAVE_PYTHON_EXT_SUFFIX)
        list(GET output 2 VAZAVE_PYQT6_SIP_DIR)
        list(GET output 3 VAZAVE_PYTHON_VERSION)
        string(REGEX REPLACE "^[0-9]+\\." "" VAZAVE_PYTHON_VERSION_MINOR ${VAZAVE_PYTHON_VERSION})
        if(NOT EXISTS ${VAZAVE_PYTHON_INCLUDE_DIR}/Python.h)
            set(reason "Python.h not found (Debian: python3-dev)")
        elseif(NOT EXISTS ${VAZAVE_PYQT6_SIP_DIR}/QtWidgets/QtWidgetsmod.sip)
            set(reason "PyQt6's .sip files not found (Debian: pyqt6-dev)")
        else()
            set(VAZAVE_PYTHON_FOUND ON)
        endif()
    endif()
endif()
if(VAZAVE_PYTHON_FOUND)
    message(STATUS "Python bindings can be built: ${VAZAVE_PYTHON}, ${VAZAVE_SIP_BUILD}, ${VAZAVE_PYQT6_SIP_DIR}")
else()
    message(STATUS "Python bindings cannot be built: ${reason}")
endif()
