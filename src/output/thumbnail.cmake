# The small picture of a draft's cloth that file managers show.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail.h
)
