# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging: the program with its desktop entry, icons and AppStream metainfo in
# the places a freedesktop desktop looks for them, and a Debian package made from the same rules.
include(GNUInstallDirs)

# The application id names the desktop entry, the icon and the metainfo, and the window tells the
# desktop which entry it belongs to. It is the teaching site's address in reverse.
set(VELTRIN_APP_ID org.example.veltrin)
# The homepage is a placeholder until the project has a site, and this is the only place that
# names it: the package's control data, its copyright file and the metainfo take it from here.
# The metainfo's screenshot is docs/screenshot.png, to be published at the address below.
set(VELTRIN_HOMEPAGE https://veltrin.example.org)
set(VELTRIN_SCREENSHOT_URL ${VELTRIN_HOMEPAGE}/screenshot.png)
set(VELTRIN_CONTACT "The Veltrin developers <veltrin@example.org>")
# The SPDX name of the licence (full text in LICENSE), for the metainfo.
set(VELTRIN_LICENSE GPL-3.0-or-later)
# Sizes of the PNG icons kept in data/icons (scripts/render-icons.sh renders them from the SVG).
set(VELTRIN_ICON_SIZES 16 22 24 32 48 64 128 256)

target_compile_definitions(veltrin PRIVATE VELTRIN_APP_ID="${VELTRIN_APP_ID}")
# The window carries the small sizes only: handing the X server the large ones as well costs a
# fifth of the time to the first painted window, and the desktop takes its large icons from the
# installed theme.
set(window_icon_sizes 16 22 24 32 48 64)
set(icon_files)
foreach(size IN LISTS window_icon_sizes)
    list(APPEND icon_files data/icons/${size}x${size}/veltrin.png)
endforeach()
qt_add_resources(veltrin icons PREFIX /icons BASE data/icons FILES ${icon_files})

install(TARGETS veltrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
    # A stripped install (cpack, or cmake --install --strip) also drops the compiler's notes, as
    # Debian's own packaging does.
    install(CODE "set(veltrin_strip \"${CMAKE_STRIP}\")
                  set(veltrin_program ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:veltrin>)")
    install(CODE [[
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND "${veltrin_strip}" --remove-section=.comment
                                    --remove-section=.note
                                    "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${veltrin_program}"
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()]])

    set(data_dir ${CMAKE_CURRENT_BINARY_DIR}/data)
    configure_file(data/veltrin.desktop.in ${data_dir}/${VELTRIN_APP_ID}.desktop @ONLY)
    configure_file(data/veltrin.metainfo.xml.in ${data_dir}/${VELTRIN_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${data_dir}/${VELTRIN_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${data_dir}/${VELTRIN_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The setup's and the lesson's file types, so that a double click on a .veltrin file opens it
    # in the bench, and on a .veltrin-lesson file the lesson beside it.
    install(FILES data/veltrin-setup.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME ${VELTRIN_APP_ID}.xml)
    set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES data/icons/veltrin.svg DESTINATION ${icon_dir}/scalable/apps
            RENAME ${VELTRIN_APP_ID}.svg)
    foreach(size IN LISTS VELTRIN_ICON_SIZES)
        install(FILES data/icons/${size}x${size}/veltrin.png
                DESTINATION ${icon_dir}/${size}x${size}/apps RENAME ${VELTRIN_APP_ID}.png)
    endforeach()

    # The manual page and the Debian changelog are installed compressed, as Debian wants them;
    # gzip -n leaves out the name and time stamp so that the same sources give the same package.
    find_program(GZIP_PROGRAM gzip REQUIRED)
    configure_file(data/veltrin.1.in ${data_dir}/veltrin.1 @ONLY)
    configure_file(data/debian/changelog ${data_dir}/changelog.Debian COPYONLY)
    set(compressed_docs)
    foreach(doc IN ITEMS veltrin.1 changelog.Debian)
        add_custom_command(OUTPUT ${data_dir}/${doc}.gz
                           COMMAND ${GZIP_PROGRAM} -9n --keep --force ${data_dir}/${doc}
                           DEPENDS ${data_dir}/${doc} VERBATIM)
        list(APPEND compressed_docs ${data_dir}/${doc}.gz)
    endforeach()
    # Built with the program, since scripts/run.sh builds only the program before an install.
    add_custom_target(veltrin_docs DEPENDS ${compressed_docs})
    add_dependencies(veltrin veltrin_docs)
    install(FILES ${data_dir}/veltrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    # The package's copyright file, in Debian's machine-readable form.
    configure_file(data/debian/copyright.in ${data_dir}/copyright @ONLY)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/veltrin)
    install(FILES ${data_dir}/copyright ${data_dir}/changelog.Debian.gz DESTINATION ${doc_dir})
    install(FILES data/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME veltrin)
endif()

set(CPACK_PACKAGE_NAME veltrin)
set(CPACK_PACKAGE_VENDOR "The Veltrin developers")
set(CPACK_PACKAGE_CONTACT ${VELTRIN_CONTACT})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_HOMEPAGE_URL ${VELTRIN_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped for the package's control data, which shows each line as it is.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Veltrin is a small teaching program that shows how a parabolic mirror, such"
    "as an antenna dish, gathers a parallel beam of light into its focus. Every"
    "path of the light adds an arrow, the arrows add head to tail into a Cornu"
    "spiral, and the squared length of the sum is plotted as the probability that"
    "the light arrives at each point of the axis.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of each release; data/debian/changelog names this version at its top.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(VELTRIN_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps finds the Qt and C++ libraries the program links. The platform plugins that
# open the window are loaded at run time, so it cannot see them; the layout was fitted to the
# metrics of the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
