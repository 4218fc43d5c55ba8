# The build-the-number windows, driven as a pupil drives them.
ortix_add_test(test_buildforms test_buildforms.cpp BuildDriver.h BuildDriver.cpp)
ortix_add_test(test_buildforms_menu test_buildforms_menu.cpp BuildDriver.h BuildDriver.cpp)
# The labelled build windows: the coloured target and its rules.
ortix_add_test(test_numbercolouring test_numbercolouring.cpp)
ortix_add_test(test_labelledforms test_labelledforms.cpp LabelledView.h LabelledView.cpp BuildDriver.h BuildDriver.cpp)
ortix_add_test(test_labelledforms_menu test_labelledforms_menu.cpp LabelledView.h LabelledView.cpp BuildDriver.h BuildDriver.cpp)
ortix_add_test(test_labelledfit test_labelledfit.cpp LabelledView.h LabelledView.cpp)
# The read-the-beads windows: the number written in digits or in words.
ortix_add_test(test_readforms test_readforms.cpp ReadPupil.h BuildDriver.h BuildDriver.cpp)
ortix_add_test(test_readforms_menu test_readforms_menu.cpp ReadPupil.h BuildDriver.h BuildDriver.cpp)
