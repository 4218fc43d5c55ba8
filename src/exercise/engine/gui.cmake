# The exercise engine: rules with no window in ortix_core, the common frame
# of the exercise windows and the bead display in ortix_gui.
target_sources(ortix_core PRIVATE
    Places.h Places.cpp
    FrameLayouts.h FrameLayouts.cpp
    MaximumTable.h MaximumTable.cpp
    NumberText.h NumberText.cpp
    Score.h Score.cpp
)
target_sources(ortix_gui PRIVATE
    ExerciseWindow.h
    ExerciseDesign.h ExerciseDesign.cpp
    ExerciseForm.h ExerciseForm.cpp
    FeedbackIcons.h FeedbackIcons.cpp
    FeedbackSounds.h FeedbackSounds.cpp
    Palline.h Palline.cpp
    TextWrap.h TextWrap.cpp
)
