list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qttranslations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qttranslations.h
)
