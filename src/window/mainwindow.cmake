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
    ${CMAKE_CURRENT_LIST_DIR}/scrollbarstyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrollbarstyle.h
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
)

# The manual: every page, style sheet and picture under docs/manual, gathered
# into a resource file when the build is configured.
file(GLOB_RECURSE manual_files CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/docs/manual
     ${PROJECT_SOURCE_DIR}/docs/manual/*.html ${PROJECT_SOURCE_DIR}/docs/manual/*.css
     ${PROJECT_SOURCE_DIR}/docs/manual/*.png ${PROJECT_SOURCE_DIR}/docs/manual/*.hdx)
set(manual_qrc_entries "")
foreach(f ${manual_files})
    string(APPEND manual_qrc_entries "    <file alias=\"${f}\">${PROJECT_SOURCE_DIR}/docs/manual/${f}</file>\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/manual.qrc.new
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/manual\">\n${manual_qrc_entries}  </qresource>\n</RCC>\n")
configure_file(${CMAKE_BINARY_DIR}/manual.qrc.new ${CMAKE_BINARY_DIR}/manual.qrc COPYONLY)
list(APPEND HM_UI_RESOURCES ${CMAKE_BINARY_DIR}/manual.qrc)
