# The exercise engine: the wrapping of number words and the bead display.
ortix_add_test(test_exerciseengine test_exerciseengine.cpp)
ortix_add_test(test_palline test_palline.cpp)
target_link_libraries(test_palline PRIVATE ortix_pupilhands)
