hm_add_bench(bench_files ${CMAKE_CURRENT_LIST_DIR}/bench_files.cpp)
