# The main window, its command table, status line and the small windows it owns.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commandtable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandtable.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_host.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_menus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_views.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windowcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windowcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/statusline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/statusline.h
    ${CMAKE_CURRENT_LIST_DIR}/dialogresources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogresources.h
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
    ${CMAKE_CURRENT_LIST_DIR}/icons.qrc
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_lang.qrc
    ${CMAKE_CURRENT_LIST_DIR}/dialogs_lang.qrc
    ${CMAKE_CURRENT_LIST_DIR}/manual.qrc
)
