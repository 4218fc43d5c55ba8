target_sources(ortix_gui PRIVATE
    Modulo1.h Modulo1.cpp
    SingleInstance.h SingleInstance.cpp
    FormAvvio.h FormAvvio.cpp
    FormMenu.h FormMenu.cpp
    Main.h Main.cpp
    AppIdentity.h AppIdentity.cpp)
target_compile_definitions(ortix_gui PRIVATE ORTIX_APP_ID="${ORTIX_APP_ID}")
