# Reads the resources named in the resource script that are files of their own ("RAWPNG"
# pictures, the cursors and the program's icon), so that the builds without Windows resources compile in
# exactly the same files under the same ids. The manual ("RTF") is made in the build tree
# (cmake/Manual.cmake) and is not compiled into the Linux builds.
# Sets GLIMMERJAR_EMBEDDED_RESOURCES to "TYPE:ID:absolute path" entries and
# GLIMMERJAR_EMBEDDED_FILES to the files.
function(glimmerjar_read_resource_list resources_dir)
    file(STRINGS "${resources_dir}/resource_ids.h" defines REGEX "^#define RES_[A-Z_]+ [0-9]+$")
    foreach(line IN LISTS defines)
        string(REGEX MATCH "^#define (RES_[A-Z_]+) ([0-9]+)$" _ "${line}")
        set(id_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endforeach()
    file(STRINGS "${resources_dir}/glimmerjar.rc" lines REGEX "^[A-Z_0-9]+ +(RAWPNG|CURSOR|ICON) +\"")
    set(entries "")
    set(files "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([A-Z_0-9]+) +(RAWPNG|CURSOR|ICON) +\"([^\"]+)\"" _ "${line}")
        set(id ${CMAKE_MATCH_1})
        if(DEFINED id_${id})
            set(id ${id_${id}})
        endif()
        list(APPEND entries "${CMAKE_MATCH_2}:${id}:${resources_dir}/${CMAKE_MATCH_3}")
        list(APPEND files "${resources_dir}/${CMAKE_MATCH_3}")
    endforeach()
    set(GLIMMERJAR_EMBEDDED_RESOURCES "${entries}" PARENT_SCOPE)
    set(GLIMMERJAR_EMBEDDED_FILES "${files}" PARENT_SCOPE)
endfunction()
