# The exercise engine: its rules, sounds and bead display.
ortix_add_test(test_exerciseengine test_exerciseengine.cpp)
ortix_add_test(test_palline test_palline.cpp)
