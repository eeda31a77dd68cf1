hm_add_bench(bench_output ${CMAKE_CURRENT_LIST_DIR}/bench_output.cpp)
