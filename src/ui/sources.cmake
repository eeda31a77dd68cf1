# The widget layer's shared parts, below every ui/ folder: the command protocol,
# message boxes and the dialogs' common buttons.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.h
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.h
    ${CMAKE_CURRENT_LIST_DIR}/dialogbuttons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogbuttons.h
)
