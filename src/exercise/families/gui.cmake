# The exercise families: the windows built on the exercise engine.
target_sources(ortix_gui PRIVATE
    BuildForm.h BuildForm.cpp
    BuildWindows.h BuildWindows.cpp
)
