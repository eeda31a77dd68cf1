hm_add_bench(bench_fabric ${CMAKE_CURRENT_LIST_DIR}/bench_fabric.cpp)
