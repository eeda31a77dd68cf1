# The Analyze menu's commands and the report window.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/analysistexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analysistexts.h
    ${CMAKE_CURRENT_LIST_DIR}/analyzecommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyzecommands.h
    ${CMAKE_CURRENT_LIST_DIR}/reportwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportwindow.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/analysis_lang.qrc
)
