# Installing and packaging: the program with its desktop entry, icons and AppStream metainfo in
# the places a freedesktop desktop looks for them, and a Debian package made from the same rules.
include(GNUInstallDirs)

# The application id names the desktop entry, the icon and the metainfo, and the window tells the
# desktop which entry it belongs to. It is the teaching site's address in reverse.
set(VELTRIN_APP_ID org.example.veltrin)
set(VELTRIN_HOMEPAGE https://veltrin.example.org)
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
    set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES data/icons/veltrin.svg DESTINATION ${icon_dir}/scalable/apps
            RENAME ${VELTRIN_APP_ID}.svg)
    foreach(size IN LISTS VELTRIN_ICON_SIZES)
        install(FILES data/icons/${size}x${size}/veltrin.png
                DESTINATION ${icon_dir}/${size}x${size}/apps RENAME ${VELTRIN_APP_ID}.png)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME veltrin)
set(CPACK_PACKAGE_VENDOR "The Veltrin developers")
set(CPACK_PACKAGE_CONTACT "The Veltrin developers <veltrin@example.org>")
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
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps finds the Qt and C++ libraries the program links. The platform plugins that
# open the window are loaded at run time, so it cannot see them; the layout was fitted to the
# metrics of the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
