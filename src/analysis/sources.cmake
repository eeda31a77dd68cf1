# Analysis: the repeat, float, colour and heddle reports.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/colourcountreport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extent.h
    ${CMAKE_CURRENT_LIST_DIR}/floats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/floats.h
    ${CMAKE_CURRENT_LIST_DIR}/floatsreport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/heddlereport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeats.h
    ${CMAKE_CURRENT_LIST_DIR}/repeatsreport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportformat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportformat.h
    ${CMAKE_CURRENT_LIST_DIR}/reports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports.h
)
