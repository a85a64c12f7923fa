# The wait for a started program's first frame, on Qt Core alone: the GUI
# tests and the start-up benchmark both include this file, so that the
# library is made once whichever of them is built.
include_guard(GLOBAL)
add_library(lavoro1_first_frame STATIC ${CMAKE_CURRENT_LIST_DIR}/first_frame.cpp)
target_link_libraries(lavoro1_first_frame PUBLIC Qt6::Core)
target_include_directories(lavoro1_first_frame PUBLIC ${PROJECT_SOURCE_DIR})
lavoro1_configure_target(lavoro1_first_frame)
