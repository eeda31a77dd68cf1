list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialogresources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogresources.h
    ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/colorselector.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colorselector.h
    ${CMAKE_CURRENT_LIST_DIR}/noteswindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/noteswindow.h
    ${CMAKE_CURRENT_LIST_DIR}/aboutbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/aboutbox.h
    ${CMAKE_CURRENT_LIST_DIR}/tipofday.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tipofday.h
    ${CMAKE_CURRENT_LIST_DIR}/helpbrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/helpbrowser.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialogs_lang.qrc
    ${CMAKE_CURRENT_LIST_DIR}/manual.qrc
)
