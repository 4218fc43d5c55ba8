target_sources(ortix_gui PRIVATE QtSoundPlayer.h QtSoundPlayer.cpp)
