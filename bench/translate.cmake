hm_add_bench(bench_translate ${CMAKE_CURRENT_LIST_DIR}/translate_bench.cpp)
