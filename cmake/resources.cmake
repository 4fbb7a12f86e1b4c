# The resource object shared by MossLatch.exe and the tests that need its strings and icons.
# The icons are drawn as XPM text in res/icons and made into 16-colour .ico files here.
enable_language(RC)
find_program(CONVERT_EXECUTABLE convert REQUIRED)
find_program(ICOTOOL_EXECUTABLE icotool REQUIRED)

set(ICON_SOURCE_DIR ${PROJECT_SOURCE_DIR}/res/icons)
set(ICON_DIR ${PROJECT_BINARY_DIR}/icons)

function(make_icon ico)
    set(pngs)
    set(xpms)
    foreach(picture IN LISTS ARGN)
        list(APPEND xpms ${ICON_SOURCE_DIR}/${picture}.xpm)
        list(APPEND pngs ${ICON_DIR}/${picture}.png)
    endforeach()
    set(commands)
    foreach(picture IN LISTS ARGN)
        list(APPEND commands COMMAND ${CONVERT_EXECUTABLE} ${ICON_SOURCE_DIR}/${picture}.xpm
             png:${ICON_DIR}/${picture}.png)
    endforeach()
    add_custom_command(OUTPUT ${ICON_DIR}/${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ICON_DIR}
        ${commands}
        COMMAND ${ICOTOOL_EXECUTABLE} -c -b 4 -o ${ICON_DIR}/${ico} ${pngs}
        DEPENDS ${xpms}
        COMMENT "Making ${ico}"
        VERBATIM)
endfunction()

make_icon(mosslatch.ico app-32 app-16)
make_icon(small.ico small-16)
add_custom_target(icons DEPENDS ${ICON_DIR}/mosslatch.ico ${ICON_DIR}/small.ico)

add_library(resources OBJECT res/mosslatch.rc)
target_include_directories(resources PRIVATE ${PROJECT_SOURCE_DIR}/res ${ICON_DIR})
# The script is UTF-8 whatever the build machine's code page.
target_compile_options(resources PRIVATE -c 65001)
add_dependencies(resources icons)
set_source_files_properties(res/mosslatch.rc PROPERTIES
    OBJECT_DEPENDS "${ICON_DIR}/mosslatch.ico;${ICON_DIR}/small.ico;${PROJECT_SOURCE_DIR}/res/resource.h")
