# Exchanging drafts with other programs: WIF files, and the flattening of the
# cloth that lets formats with one harness (.hdm, WIF) keep it.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/flatten.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flatten.h
    ${CMAKE_CURRENT_LIST_DIR}/hdmexport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdmexport.h
    ${CMAKE_CURRENT_LIST_DIR}/wifsections.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wifsections.h
    ${CMAKE_CURRENT_LIST_DIR}/wifcontent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wifcontent.h
    ${CMAKE_CURRENT_LIST_DIR}/wifcolors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wifcolors.h
    ${CMAKE_CURRENT_LIST_DIR}/wifreader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wifwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wiffile.h
)
