# The manual: help/manual.txt and the pictures of help/pictures/ made into the rich-text
# document of the help viewer, in the build tree:
#   ${CMAKE_BINARY_DIR}/generated/glimmerjar_manual.rtf   the document (resource "RTF" 153)
#   ${CMAKE_BINARY_DIR}/generated/glimmerjar_manual.txt   its text as a reader sees it
# The pictures are committed as PNG (scripts/make-manual-pictures.sh draws them and checks
# they are current); ImageMagick turns them into the 24-bit BMPs the converter embeds.
#
# glimmerjar_add_manual(TOOL tool_path [TOOL_TARGET target]) adds the target `manual`.
function(glimmerjar_add_manual)
    cmake_parse_arguments(ARG "" "TOOL;TOOL_TARGET" "" ${ARGN})
    find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
    set(source ${CMAKE_SOURCE_DIR}/help/manual.txt)
    set(picture_dir ${CMAKE_BINARY_DIR}/generated/manual_pictures)
    file(GLOB pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/pictures/*.png)
    set(bmps "")
    foreach(png IN LISTS pictures)
        get_filename_component(name ${png} NAME_WE)
        set(bmp ${picture_dir}/${name}.bmp)
        add_custom_command(OUTPUT ${bmp}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${picture_dir}
            COMMAND ${IMAGEMAGICK_CONVERT} ${png} -alpha off -type TrueColor BMP3:${bmp}
            DEPENDS ${png} VERBATIM)
        list(APPEND bmps ${bmp})
    endforeach()
    set(rtf ${CMAKE_BINARY_DIR}/generated/glimmerjar_manual.rtf)
    set(text ${CMAKE_BINARY_DIR}/generated/glimmerjar_manual.txt)
    add_custom_command(OUTPUT ${rtf} ${text}
        COMMAND ${ARG_TOOL} ${source} ${picture_dir} ${rtf} ${text}
        DEPENDS ${source} ${bmps} ${ARG_TOOL} ${ARG_TOOL_TARGET}
        COMMENT "Making the manual" VERBATIM)
    add_custom_target(manual ALL DEPENDS ${rtf} ${text})
    set(GLIMMERJAR_MANUAL_RTF ${rtf} PARENT_SCOPE)
    set(GLIMMERJAR_MANUAL_TEXT ${text} PARENT_SCOPE)
endfunction()
