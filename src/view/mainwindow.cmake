# The main window, its command table and its parts.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.h
)
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commandtable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandtable.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_aux.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_pagesetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_pagesetup.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_statusline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_statusline.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_views.cpp
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/icons.qrc
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_lang.qrc
)
