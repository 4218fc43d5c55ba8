# The exercise families: the windows built on the exercise engine.
target_sources(ortix_gui PRIVATE
    BuildForm.h BuildForm.cpp
    BuildWindows.h BuildWindows.cpp
)
# The labelled build windows: the target split by place, coloured by place.
target_sources(ortix_core PRIVATE
    NumberColouring.h NumberColouring.cpp
    CentredRow.h CentredRow.cpp
)
target_sources(ortix_gui PRIVATE
    LabelledBuildForm.h LabelledBuildForm.cpp
    SquaresBuildForm.h SquaresBuildForm.cpp
    LabelledWindows.h LabelledWindows.cpp
)
# The read-the-beads windows: the number written in digits or in words.
target_sources(ortix_core PRIVATE
    WordsAnswer.h WordsAnswer.cpp
)
target_sources(ortix_gui PRIVATE
    ReadBeadsForm.h ReadBeadsForm.cpp
    ReadWindows.h ReadWindows.cpp
)
