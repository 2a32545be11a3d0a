# Lays a staged content library into the program's folder:
#   cmake -DSTAGING_DIR=<staged library> -DPROGRAM_DIR=<program folder> -P LayContent.cmake
# Each top-level item of STAGING_DIR (a group folder, DefVoice, Hello.wav, ...) is
# copied only when PROGRAM_DIR holds no item of that name in any letter case, so
# whatever is there, perhaps changed by a parent, stays untouched. An item is
# copied into a scratch folder first and then renamed into place, so an
# interrupted build never leaves half an item that later builds would keep.
cmake_minimum_required(VERSION 3.25)
if(NOT IS_DIRECTORY "${STAGING_DIR}")
    message(FATAL_ERROR "No staged content library at '${STAGING_DIR}'")
endif()
if(NOT PROGRAM_DIR)
    message(FATAL_ERROR "No program folder given (-DPROGRAM_DIR=...)")
endif()
file(MAKE_DIRECTORY "${PROGRAM_DIR}")

file(GLOB present LIST_DIRECTORIES true RELATIVE "${PROGRAM_DIR}" "${PROGRAM_DIR}/*")
set(present_upper "")
foreach(name IN LISTS present)
    string(TOUPPER "${name}" upper)
    list(APPEND present_upper "${upper}")
endforeach()

set(scratch "${PROGRAM_DIR}/.content-laying")
file(GLOB staged LIST_DIRECTORIES true RELATIVE "${STAGING_DIR}" "${STAGING_DIR}/*")
foreach(item IN LISTS staged)
    string(TOUPPER "${item}" upper)
    if(upper IN_LIST present_upper)
        continue()
    endif()
    file(REMOVE_RECURSE "${scratch}")
    file(MAKE_DIRECTORY "${scratch}")
    file(COPY "${STAGING_DIR}/${item}" DESTINATION "${scratch}")
    file(RENAME "${scratch}/${item}" "${PROGRAM_DIR}/${item}")
    message(STATUS "Laid ${item}")
endforeach()
file(REMOVE_RECURSE "${scratch}")
