# The exercise engine: the wrapping of number words. The bead display is
# checked through the windows (test_exerciseopening) and the random pupil.
ortix_add_test(test_exerciseengine test_exerciseengine.cpp)
target_link_libraries(test_exerciseengine PRIVATE ortix_exercise)
