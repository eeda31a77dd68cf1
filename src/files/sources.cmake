list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/blocks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/designfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftjson.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdmreader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdmwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdxreader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdxwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/notetext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/openfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/readhelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recentfiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/savefile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/writehelpers.cpp
)
