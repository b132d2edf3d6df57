# Installing the kit: one kit folder under the prefix that holds every program of the kit folder
# and the bundled data, a command for each program, menu entries with icons, and a .deb by CPack.
#
#   <prefix>/lib/qelvar-kit/                 the programs, data/ (FSXFiles/ included), the sums of
#                                            the data brought in, and the installed mark
#   <prefix>/bin/qelvar-maps, ...            links to the programs (lower case, "-" for blanks)
#   <prefix>/share/applications/*.desktop    a menu entry for each of the five windowed programs
#   <prefix>/share/icons/hicolor/{128x128,scalable}/apps/qelvar-*.{png,svg}
#   <prefix>/share/man/man1/*.1.gz           a manual page for each command
#   <prefix>/share/doc/qelvar-kit/           copyright, changelog, licences
#
# The data is brought in by qelvar-kit-data as at every build: installing over an older kit keeps
# the files changed there and writes the kit's new versions beside them as NAME.new.
#
# The programs are every executable the build puts into the kit folder, found when the whole
# project has been read, so that programs added later are installed without touching this file.

set(QELVAR_KIT_INSTALL_DIR "lib/qelvar-kit" CACHE STRING "Kit folder under the install prefix")

# The menu entries: desktop file, icon; installed when their program is built.
set(QELVAR_MENU_ENTRIES
    "Qelvar Maps|qelvar-maps.desktop|qelvar-maps"
    "Qelvar Airports|qelvar-airports.desktop|qelvar-airports"
    "Qelvar Approach|qelvar-approach.desktop|qelvar-approach"
    "Qelvar Index|qelvar-index.desktop|qelvar-index"
    "QelvarNotes|qelvarnotes.desktop|qelvar-notes")

# Every executable target of the directory and its sub-directories whose program lands in the kit
# folder (test and benchmark programs are built elsewhere).
function(qelvar_kit_programs directory out)
    set(found)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(output ${target} RUNTIME_OUTPUT_DIRECTORY)
        if(type STREQUAL "EXECUTABLE" AND output STREQUAL "${KIT_DIR}")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(children DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(child IN LISTS children)
        qelvar_kit_programs(${child} below)
        list(APPEND found ${below})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

function(qelvar_install_kit)
    qelvar_kit_programs(${CMAKE_SOURCE_DIR} programs)
    # "cmake --build build --target kit": the kit folder alone, without tests and benchmarks.
    add_custom_target(kit)
    add_dependencies(kit ${programs} kit_data)
    install(TARGETS ${programs} RUNTIME DESTINATION ${QELVAR_KIT_INSTALL_DIR})
    install(CODE "
        set(kit \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QELVAR_KIT_INSTALL_DIR}\")
        message(STATUS \"Bringing the bundled data into: \${kit}\")
        execute_process(COMMAND \"$<TARGET_FILE:qelvar-kit-data>\" \"${CMAKE_SOURCE_DIR}/data\" \"\${kit}\"
                        COMMAND_ERROR_IS_FATAL ANY)")
    # Every program takes a kit folder with this mark as read-only and keeps each user's files in
    # the user's own kit folder, root's included.
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/installed-kit.txt DESTINATION ${QELVAR_KIT_INSTALL_DIR})

    # A command for each program, relative links that hold under any prefix.
    foreach(target IN LISTS programs)
        get_target_property(name ${target} OUTPUT_NAME)
        if(NOT name)
            set(name ${target})
        endif()
        string(TOLOWER "${name}" command)
        string(REPLACE " " "-" command "${command}")
        install(CODE "
            set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
            file(MAKE_DIRECTORY \"\${bin}\")
            file(CREATE_LINK \"../${QELVAR_KIT_INSTALL_DIR}/${name}\" \"\${bin}/${command}\" SYMBOLIC)
            message(STATUS \"Linking: \${bin}/${command}\")")
        list(APPEND names "${name}")
    endforeach()

    foreach(entry IN LISTS QELVAR_MENU_ENTRIES)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 program)
        list(GET entry 1 desktop)
        list(GET entry 2 icon)
        if("${program}" IN_LIST names)
            install(FILES ${CMAKE_SOURCE_DIR}/packaging/${desktop} DESTINATION share/applications)
            install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${icon}.png
                    DESTINATION share/icons/hicolor/128x128/apps)
            install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${icon}.svg
                    DESTINATION share/icons/hicolor/scalable/apps)
        endif()
    endforeach()
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_SOURCE_DIR}/LICENSE
                  ${CMAKE_SOURCE_DIR}/data/LICENSES.md DESTINATION share/doc/qelvar-kit)
    # The changelog and the manual pages compressed as Debian wants them: gzip -9, no name or time.
    file(GLOB pages ${CMAKE_SOURCE_DIR}/packaging/man/*.1)
    set(gzipped "${CMAKE_SOURCE_DIR}/packaging/changelog|share/doc/qelvar-kit/changelog.gz")
    foreach(page IN LISTS pages)
        get_filename_component(name ${page} NAME)
        list(APPEND gzipped "${page}|share/man/man1/${name}.gz")
    endforeach()
    foreach(entry IN LISTS gzipped)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 from)
        list(GET entry 1 to)
        install(CODE "
            set(to \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${to}\")
            get_filename_component(folder \"\${to}\" DIRECTORY)
            file(MAKE_DIRECTORY \"\${folder}\")
            execute_process(COMMAND gzip -9nc \"${from}\" OUTPUT_FILE \"\${to}\" COMMAND_ERROR_IS_FATAL ANY)
            message(STATUS \"Installing: \${to}\")")
    endforeach()

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME qelvar-kit)
    set(CPACK_PACKAGE_VERSION 1.0.0)
    set(CPACK_PACKAGE_VENDOR "Qelvar kit")
    set(CPACK_PACKAGE_CONTACT "Qelvar kit maintainers <qelvar-kit@users.noreply.invalid>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flight simulator companion: world map, airport diagrams, approach charts")
    # Lines of at most 80 characters, as Debian's description fields want them.
    set(CPACK_PACKAGE_DESCRIPTION
        "Five programs for pilots of a home flight simulator: Qelvar Maps (world map of\n"
        "navigation data, route planner and flight-plan sheet), Qelvar Airports (airport\n"
        "ground diagrams), Qelvar Approach (approach charts), Qelvar Index (airport\n"
        "finder that starts the others) and QelvarNotes (a scratch pad).\n"
        "For flight simulation only: not for real navigation.")
    string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    # The libraries the programs link, as dpkg-shlibdeps finds them on Debian 12; listed here because
    # CPack's own search runs `file` on every packed file, which takes minutes for the thousands of
    # scenery files. Then what is loaded at run time and so found from no library: the screen
    # plug-ins of Qt, the fonts the windows name, and the opener of text files.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libc6 (>= 2.35), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), zlib1g (>= 1:1.2.6), "
        "libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2), libqt6network6 (>= 6.1.2), "
        "libqt6printsupport6 (>= 6.1.2), libqt6widgets6 (>= 6.1.2), "
        "qt6-qpa-plugins, fonts-dejavu-core, xdg-utils")
    string(JOIN "" CPACK_DEBIAN_PACKAGE_DEPENDS ${CPACK_DEBIAN_PACKAGE_DEPENDS})
    include(CPack)
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL qelvar_install_kit)
