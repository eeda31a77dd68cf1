# The widget layer's shared parts, below every ui/ folder: the command context
# that handlers work on, the command protocol, message boxes, the dialogs'
# common buttons and the busy cursor.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/busycursor.h
    ${CMAKE_CURRENT_LIST_DIR}/commandcontext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandcontext.h
    ${CMAKE_CURRENT_LIST_DIR}/commandhost.h
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commandwrappers.h
    ${CMAKE_CURRENT_LIST_DIR}/objectregistry.h
    ${CMAKE_CURRENT_LIST_DIR}/windowstate.h
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.h
    ${CMAKE_CURRENT_LIST_DIR}/dialogbuttons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogbuttons.h
)
