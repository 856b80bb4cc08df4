# The packages a school's administrator installs, a Debian one and an RPM one from the same
# files: the programs, their manual pages in English and Russian, the menu entry, the
# AppStream description and the documentation.
# Included after every program's install rule: a program's manual page is installed when
# the program is.

# Who answers for the package and where it is published; set both where it is built for
# a school or a distribution. The AppStream id is the web address's host, reversed.
set(VATRO_MAINTAINER "The Vatro team <vatro@example.org>" CACHE STRING
    "The package's maintainer: a name and an e-mail address")
set(VATRO_HOMEPAGE "https://vatro.example.org" CACHE STRING
    "Where Vatro is published; its screenshot lies in screenshots/vatro.png there")
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" host "${VATRO_HOMEPAGE}")
string(REPLACE "." ";" labels "${host}")
list(REVERSE labels)
if(NOT host MATCHES "^vatro\\.")
    list(APPEND labels vatro)
endif()
list(JOIN labels "." VATRO_APPSTREAM_ID)

set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The release: its version and date as the changelog's first entry has them.
file(STRINGS ${packaging}/changelog.in release_lines REGEX "^(vatro \\(| -- )")
list(GET release_lines 0 first_entry)
list(GET release_lines 1 first_signature)
string(REGEX REPLACE "^vatro \\(([^)]+)\\).*" "\\1" released "${first_entry}")
if(NOT released STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog.in: its first entry is ${released}, the program "
                        "${PROJECT_VERSION}; tell what the new version brings there")
endif()
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" date
    "${first_signature}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH "${month}" digits)
if(digits EQUAL 1)
    set(month "0${month}")
endif()
set(VATRO_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")

# Manual pages: one scdoc source per page and language in doc/man, a program's in section 1,
# the settings file's in section 5.
find_program(SCDOC scdoc)
if(NOT SCDOC)
    message(FATAL_ERROR "scdoc, which writes the manual pages, is missing: "
                        "run tools/install-deps.sh")
endif()
file(GLOB pages RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/doc/man CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/doc/man/*/*.[15].scd)
set(page_files)
set(VATRO_BINARIES "")
foreach(page IN LISTS pages)
    string(REGEX MATCH "^([a-z]+)/(.+)\\.([15])\\.scd$" _ "${page}")
    set(language ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    set(section ${CMAKE_MATCH_3})
    if(section STREQUAL "1" AND NOT TARGET ${name})
        continue() # a page for a program this tree does not build
    endif()
    set(output ${generated}/man/${language}/${name}.${section}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DSCDOC=${SCDOC} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/doc/man/${page}
                -DOUTPUT=${output} -P ${packaging}/compress.cmake
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/doc/man/${page} ${packaging}/compress.cmake
        COMMENT "Manual page ${language}/${name}(${section})")
    list(APPEND page_files ${output})
    if(language STREQUAL "en")
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
        if(section STREQUAL "1")
            string(APPEND VATRO_BINARIES "    <binary>${name}</binary>\n")
        endif()
    else()
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man${section})
    endif()
endforeach()
string(STRIP "${VATRO_BINARIES}" VATRO_BINARIES)

# The documentation folder: copyright, changelog, the teacher's guide (the README's part
# "Для учителя", cut out at build time), the sample quiz's description and an example of
# the lab's settings file.
configure_file(${packaging}/copyright.in ${generated}/copyright @ONLY)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -DINPUT=${generated}/changelog -DOUTPUT=${generated}/changelog.gz
            -P ${packaging}/compress.cmake
    DEPENDS ${generated}/changelog ${packaging}/compress.cmake)
add_custom_command(OUTPUT ${generated}/teacher-guide.md
    COMMAND ${CMAKE_COMMAND} -DREADME=${CMAKE_CURRENT_SOURCE_DIR}/README.md
            -DOUTPUT=${generated}/teacher-guide.md -P ${packaging}/teacher-guide.cmake
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/README.md ${packaging}/teacher-guide.cmake
    COMMENT "The teacher's guide from README.md")
add_custom_target(vatro_documentation ALL
    DEPENDS ${page_files} ${generated}/changelog.gz ${generated}/teacher-guide.md)
install(FILES ${generated}/copyright ${generated}/changelog.gz ${generated}/teacher-guide.md
    doc/sample-quiz.md doc/vatro.conf.example DESTINATION ${CMAKE_INSTALL_DOCDIR})

configure_file(${packaging}/vatro.metainfo.xml.in
    ${generated}/${VATRO_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${VATRO_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME vatro)

set(CPACK_GENERATOR DEB RPM)
set(CPACK_PACKAGE_NAME vatro)
set(CPACK_PACKAGE_VENDOR "The Vatro team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz on electricity and magnetism for school pupils")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${packaging}/description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY vatro)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VATRO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VATRO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries are found from the programs themselves. Not linked, so named here: Qt's
# own Russian texts (without them the name box says "Cancel") and the fonts the game's
# windows are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2, fonts-urw-base35")

# The RPM package for the school distributions built on RPM. Its dependencies are the
# sonames of the libraries the programs link (libQt6Widgets.so.6()(64bit) and so on), which
# rpmbuild finds itself: they hold wherever Qt 6 is packaged, under whatever package name.
# Qt's Russian texts and the fonts are packaged under different names by each distribution,
# so they are only suggested, by the fonts' own names; the game draws with what it finds.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_SUMMARY "Quiz on electricity and magnetism for school pupils")
set(CPACK_RPM_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Games")
set(CPACK_RPM_PACKAGE_URL "${VATRO_HOMEPAGE}")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_AUTOPROV OFF) # it offers no library to others
set(CPACK_RPM_PACKAGE_SUGGESTS
    "font(liberationsans), font(liberationserif), font(z003), qt6-qttranslations")
# The folders of the file system and the desktop belong to the system's own packages.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/applications /usr/share/icons /usr/share/icons/hicolor
    /usr/share/icons/hicolor/scalable /usr/share/icons/hicolor/scalable/apps
    /usr/share/man /usr/share/man/man1 /usr/share/man/man5 /usr/share/man/ru
    /usr/share/man/ru/man1 /usr/share/man/ru/man5 /usr/share/metainfo
    /usr/share/lintian /usr/share/lintian/overrides)
# lintian's overrides mean nothing to an RPM system; nor does a debugger need the build-id
# links of programs that are stripped.
set(CPACK_RPM_USER_FILELIST "%exclude /usr/share/lintian/overrides/vatro")
set(CPACK_RPM_SPEC_MORE_DEFINE "%define _build_id_links none\n%define packager ${VATRO_MAINTAINER}")
# The changelog's entries in RPM's form: "* Tue Dec 08 2026 Name <address> - 1.0-1", then
# one "- " line a change.
file(STRINGS ${generated}/changelog changelog_lines ENCODING UTF-8)
set(rpm_changelog "")
set(changes "")
foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^vatro \\(([^)]+)\\)")
        set(entry_version ${CMAKE_MATCH_1})
    elseif(line MATCHES "^  \\* (.*)$")
        string(APPEND changes "- ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^    (.*)$")
        string(APPEND changes "  ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^ -- (.+)  ([A-Z][a-z][a-z]), ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+)")
        string(APPEND rpm_changelog "* ${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} "
            "${CMAKE_MATCH_5} ${CMAKE_MATCH_1} - ${entry_version}-${CPACK_RPM_PACKAGE_RELEASE}\n"
            "${changes}\n")
        set(changes "")
    endif()
endforeach()
file(WRITE ${generated}/rpm-changelog "${rpm_changelog}")
set(CPACK_RPM_CHANGELOG_FILE ${generated}/rpm-changelog)
set(CPACK_PROJECT_CONFIG_FILE ${packaging}/cpack-project.cmake)
include(CPack)
