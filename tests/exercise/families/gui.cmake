# The twenty windows as they open, and a round in each from the main menu.
ortix_add_test(test_exerciseopening test_exerciseopening.cpp ScriptedItem.h)
# The build-the-number windows, driven as a pupil drives them.
ortix_add_test(test_buildforms test_buildforms.cpp ScriptedItem.h)
# The labelled build windows: the coloured target, its rules, and every number fitting the box.
ortix_add_test(test_labelledforms test_labelledforms.cpp ScriptedItem.h)
# The read-the-beads windows: the number written in digits or in words, and
# the rules that judge the answer and filter its keys.
ortix_add_test(test_readforms test_readforms.cpp ScriptedItem.h)
# The pupil's hands of the whole-program tests drive these windows too.
foreach(name test_exerciseopening test_buildforms test_labelledforms test_readforms)
    target_link_libraries(${name} PRIVATE ortix_pupilhands)
endforeach()
