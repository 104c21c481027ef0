# The sound tests get a binary of their own: they point the process at a private sound server.
add_executable(test_ton
  ${CMAKE_CURRENT_LIST_DIR}/test_ton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pulse/pulseumgebung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pulse/pulseumgebung.h)
target_include_directories(test_ton PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(test_ton PRIVATE tavelor_testmain tavelor_daten)
# Listing the tests needs no sound server; running them starts their own.
gtest_discover_tests(test_ton DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ton TIMEOUT 120)
