# The wave files of the folder "suoni" are synthesised at build time by
# ortix_make_sounds (tools/make_sounds.cpp); nothing is copied from data/suoni.
set(ORTIX_SOUND_FILES)
foreach(n si1 si2 si3 si4 no pop1 blip01 up05)
    list(APPEND ORTIX_SOUND_FILES ${ORTIX_RUNTIME_DIR}/suoni/${n}.wav)
endforeach()
add_custom_command(OUTPUT ${ORTIX_SOUND_FILES}
    COMMAND ortix_make_sounds ${ORTIX_RUNTIME_DIR}/suoni
    DEPENDS ortix_make_sounds
    COMMENT "Synthesising the wave files of suoni"
    VERBATIM)
list(APPEND ORTIX_DATA_OUTPUTS ${ORTIX_SOUND_FILES})
