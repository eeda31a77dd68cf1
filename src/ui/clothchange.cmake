# What an edit changed in the cloth, passed from the tools to the fabric window.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clothchange.h
)
