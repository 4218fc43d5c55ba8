# The free frame as a pupil uses it, and its settings file however strange.
ortix_add_test(test_formortix test_formortix.cpp)
target_link_libraries(test_formortix PRIVATE ortix_pupilhands)
