# Installation extras and packages: the menu entry and icon of the window program, the Debian
# package (CPack DEB) and, in a Windows build, the zip for the users (CPack ZIP).

set(VELNIX_PACKAGE_DIR "${CMAKE_BINARY_DIR}/packages" CACHE PATH
    "Folder that receives the .deb and the Windows zip")

if(TARGET velnix AND UNIX AND NOT APPLE)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/linux/velnix.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${PROJECT_SOURCE_DIR}/src/shell/pictures/velnix.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/velnix"
            RENAME copyright)
endif()

if(WIN32)
    # The zip: one folder with velnix.exe and velnix-cli.exe (statically linked, stripped) and
    # the German read-me, unpacked anywhere by the users.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(velnix_windows_arch x64)
    else()
        set(velnix_windows_arch x86)
    endif()
    # The read-me goes out with CR LF line ends whatever Git did to the checked-out copy.
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/LIESMICH.txt"
                   "${CMAKE_BINARY_DIR}/LIESMICH.txt" @ONLY NEWLINE_STYLE CRLF)
    install(FILES "${CMAKE_BINARY_DIR}/LIESMICH.txt" DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "velnix-${PROJECT_VERSION}-windows-${velnix_windows_arch}")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_OUTPUT_FILE_PREFIX "${VELNIX_PACKAGE_DIR}")
    set(CPACK_STRIP_FILES ON)
    include(CPack)
elseif(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME velnix)
    set(CPACK_PACKAGE_VENDOR "Velnix-Projekt")
    set(CPACK_PACKAGE_CONTACT "Velnix-Projekt <velnix@example.org>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
        "Mapkeys zum Umbenennen in Pro/ENGINEER / rename mapkeys for Pro/ENGINEER")
    # Debian shows the lines as they are: kept under 80 columns, a blank line between the
    # German and the English paragraph.
    string(CONCAT CPACK_PACKAGE_DESCRIPTION
        "Velnix erzeugt die Mapkey-Datei rename.pro, die in Pro/ENGINEER Teile,\n"
        "Baugruppen und Zeichnungen umbenennt. Die alten und neuen Namen kommen aus\n"
        "zwei Listen oder aus einer Suchen-und-Ersetzen-Regel. Enthalten sind das\n"
        "Fensterprogramm velnix und die Kommandozeile velnix-cli.\n"
        "\n"
        "Velnix writes the mapkey file rename.pro that renames parts, assemblies and\n"
        "drawings in Pro/ENGINEER, from two lists of old and new names or from a\n"
        "search-and-replace rule: the window program velnix and the command line\n"
        "velnix-cli.")
    set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
    set(CPACK_OUTPUT_FILE_PREFIX "${VELNIX_PACKAGE_DIR}")
    set(CPACK_STRIP_FILES ON)
    # "package_source" packs the checkout without Git's folder and the build folders.
    set(CPACK_SOURCE_GENERATOR TGZ)
    set(CPACK_SOURCE_IGNORE_FILES "/[.]git/" "/[.]cache/" "/build[^/]*/" "/dist/")

    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # dpkg-shlibdeps finds the libraries the programs link: Qt 6 Core, Gui and Widgets,
    # QScintilla and the C++ runtime (the pictures and Qt's German texts are built in). The X11
    # platform plugin is loaded at run time and libqt6gui6 only recommends it.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    if(TARGET velnix)
        set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    endif()
    include(CPack)
endif()
