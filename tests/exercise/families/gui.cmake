# The build-the-number windows, driven as a pupil drives them.
ortix_add_test(test_buildforms test_buildforms.cpp BuildDriver.h BuildDriver.cpp)
ortix_add_test(test_buildforms_menu test_buildforms_menu.cpp BuildDriver.h BuildDriver.cpp)
