# heddlemark-cli thumbnail: the picture file managers show for a draft.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/thumbnailcommand.cpp
)
