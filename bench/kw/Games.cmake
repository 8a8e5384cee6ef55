# paigow_sim's --games mode: rounds through the real Pai Gow server on a
# scripted link. Included by the Pai Gow bench folder, linked into paigow_sim.
add_library(bench_kw_games STATIC ${CMAKE_CURRENT_LIST_DIR}/PaiGowGames.cpp)
target_link_libraries(bench_kw_games PUBLIC kw_server bench_scripted_link fw_link plat_headless)
