# The Linux program: an X11 and GLX shell over the same core, also an XScreenSaver hack.
# With it, made from the product's own sources when it is built:
#   glimmerjar.6     the manual page (from help/manual.txt, by tools/manual_page)
#   glimmerjar.xml   XScreenSaver's settings description (the program's --xscreensaver-config)
# `cmake --install` puts the program where XScreenSaver looks for hacks, the description
# where its settings tool reads it, and the manual page with the others.
find_package(X11 REQUIRED)
find_library(GL_LIBRARY GL REQUIRED)

set(manual_page ${CMAKE_BINARY_DIR}/glimmerjar.6)
set(manual_help ${CMAKE_BINARY_DIR}/generated/manual_help.inc)
add_custom_command(OUTPUT ${manual_page} ${manual_help}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND manual_page ${CMAKE_SOURCE_DIR}/help/manual.txt ${manual_page} ${manual_help}
    DEPENDS ${CMAKE_SOURCE_DIR}/help/manual.txt manual_page
    COMMENT "Making the manual page" VERBATIM)
add_custom_target(manual_page_files ALL DEPENDS ${manual_page} ${manual_help})

add_executable(glimmerjar
    shell/x11/event_loop_x11.cpp
    shell/x11/gl_context_x11.cpp
    shell/x11/input_x11.cpp
    shell/x11/lamp_window_x11.cpp
    shell/x11/launch_x11.cpp
    shell/x11/main_x11.cpp
    shell/x11/monitors_x11.cpp
    shell/x11/pointer_x11.cpp
    shell/x11/settings_watch_x11.cpp
    shell/x11/thread_timer_x11.cpp
    shell/x11/x11_program.cpp
)
add_dependencies(glimmerjar manual_page_files)
target_include_directories(glimmerjar PRIVATE ${CMAKE_BINARY_DIR}/generated)
if(NOT X11_Xinerama_FOUND)
    message(FATAL_ERROR "Xinerama's headers are missing (run scripts/setup.sh)")
endif()
target_link_libraries(glimmerjar PRIVATE glimmerjar_core glimmerjar_platform ${X11_LIBRARIES}
    ${X11_Xinerama_LIB} ${GL_LIBRARY} ${GLU_LIBRARY})

set(xscreensaver_config ${CMAKE_BINARY_DIR}/glimmerjar.xml)
add_custom_command(OUTPUT ${xscreensaver_config}
    COMMAND sh -c "\"$<TARGET_FILE:glimmerjar>\" --xscreensaver-config > \"${xscreensaver_config}\""
    DEPENDS glimmerjar
    COMMENT "Making XScreenSaver's settings description" VERBATIM)
add_custom_target(xscreensaver_config ALL DEPENDS ${xscreensaver_config})

set(GLIMMERJAR_HACK_DIR libexec/xscreensaver CACHE STRING
    "Where XScreenSaver looks for hacks, under the install prefix")
set(GLIMMERJAR_HACK_CONFIG_DIR share/xscreensaver/config CACHE STRING
    "Where XScreenSaver's settings tool reads hack descriptions, under the install prefix")

# The desktop toy as the application menu and the software centres know it (its AppStream
# metadata carries the releases of CHANGES.md), and its icon in the icon theme's sizes.
set(desktop_id app.glimmerjar.glimmerjar)
set(metainfo ${CMAKE_BINARY_DIR}/${desktop_id}.metainfo.xml)
set(metainfo_template ${CMAKE_SOURCE_DIR}/packaging/linux/${desktop_id}.metainfo.xml.in)
add_custom_command(OUTPUT ${metainfo}
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/changes.sh metainfo ${metainfo_template} ${PROJECT_VERSION} ${metainfo}
    DEPENDS ${metainfo_template} ${CMAKE_SOURCE_DIR}/CHANGES.md ${CMAKE_SOURCE_DIR}/scripts/changes.sh
    COMMENT "Making the AppStream metadata" VERBATIM)
set(hicolor ${CMAKE_BINARY_DIR}/hicolor)
add_custom_command(OUTPUT ${hicolor}/256x256/apps/glimmerjar.png
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/make-icons.sh --hicolor ${hicolor}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/glimmerjar.svg ${CMAKE_SOURCE_DIR}/scripts/make-icons.sh
    COMMENT "Making the icon theme's icons" VERBATIM)
add_custom_target(desktop_files ALL DEPENDS ${metainfo} ${hicolor}/256x256/apps/glimmerjar.png)

# Where everything goes: the one list of the installed files, which the Debian package's
# rules (debian/rules) install through.
install(TARGETS glimmerjar RUNTIME DESTINATION ${GLIMMERJAR_HACK_DIR})
install(FILES ${xscreensaver_config} DESTINATION ${GLIMMERJAR_HACK_CONFIG_DIR})
install(FILES ${manual_page} DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/${desktop_id}.desktop DESTINATION share/applications)
install(FILES ${metainfo} DESTINATION share/metainfo)
install(DIRECTORY ${hicolor}/ DESTINATION share/icons/hicolor)
# The desktop toy under its own name: the same program as the hack.
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${GLIMMERJAR_HACK_DIR}/glimmerjar \"\${bin}/glimmerjar\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/glimmerjar\")")
