target_sources(ortix_core PRIVATE
    FrameLayout.h FrameLayout.cpp
    FrameFiles.h FrameFiles.cpp
)
target_sources(ortix_gui PRIVATE
    Formortix.h Formortix.cpp FormortixDesign.cpp
    FramePicture.h FramePicture.cpp
    BeadCursor.h BeadCursor.cpp
)
