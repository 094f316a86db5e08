# Installation (cmake --install) and the Debian package (cpack -G DEB, made
# by tools/package). The program looks for its shipped data in
# ../share/wordloom beside its bin folder, so those two places are fixed.
set(WORDLOOM_APP_ID org.wordloom.Wordloom)
set(WORDLOOM_HOMEPAGE "https://wordloom.org"
    CACHE STRING "Home page named by the package and the AppStream data")
set(WORDLOOM_CONTACT "The Wordloom developers <maintainers@wordloom.org>"
    CACHE STRING "Maintainer named by the package")
set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(gen ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS wordloom RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/wordloom
        PATTERN "README*" EXCLUDE PATTERN "LICENSE*" EXCLUDE)
install(FILES ${pkg}/${WORDLOOM_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${pkg}/${WORDLOOM_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${pkg}/copyright DESTINATION share/doc/wordloom)

# The release date honours SOURCE_DATE_EPOCH, so a rebuild is reproducible.
string(TIMESTAMP WORDLOOM_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP WORDLOOM_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(SCREENSHOT_URL "${WORDLOOM_HOMEPAGE}/screenshots/main-window.png")
set(HOMEPAGE_URL "${WORDLOOM_HOMEPAGE}")
set(RELEASE_DATE "${WORDLOOM_RELEASE_DATE}")
set(metainfo ${gen}/${WORDLOOM_APP_ID}.metainfo.xml)
install(FILES ${metainfo} DESTINATION share/metainfo)

option(WORDLOOM_PACKAGE "Make the icons, man page, changelog and window picture a package ships"
       OFF)
if(NOT WORDLOOM_PACKAGE)
  # Without the window picture its size is not known.
  set(SHOT_SIZE "")
  configure_file(${pkg}/${WORDLOOM_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)
else()
  # The picture the screenshot address names is published beside the package.
  set(shot ${CMAKE_BINARY_DIR}/wordloom-main-window.png)
  add_custom_command(
    OUTPUT ${metainfo} ${shot}
    COMMAND
      ${CMAKE_COMMAND} -DWORDLOOM=$<TARGET_FILE:wordloom> -DDATA=${CMAKE_SOURCE_DIR}/data
      -DSCRIPT=${pkg}/screenshot.wls -DWORK=${gen}/shot -DPNG=${shot}
      -DMETAINFO_IN=${pkg}/${WORDLOOM_APP_ID}.metainfo.xml.in -DMETAINFO=${metainfo}
      -DPROJECT_VERSION=${PROJECT_VERSION} -DRELEASE_DATE=${RELEASE_DATE}
      -DSCREENSHOT_URL=${SCREENSHOT_URL} -DHOMEPAGE_URL=${HOMEPAGE_URL} -P
      ${CMAKE_SOURCE_DIR}/cmake/package_screenshot.cmake
    DEPENDS wordloom wordloom_data ${pkg}/screenshot.wls ${pkg}/${WORDLOOM_APP_ID}.metainfo.xml.in
            ${CMAKE_SOURCE_DIR}/cmake/package_screenshot.cmake
    COMMENT "Taking the window picture for the AppStream data")
  set(generated ${metainfo} ${shot})
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(HELP2MAN help2man REQUIRED)
  find_program(GZIP gzip REQUIRED)

  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${gen}/icons/${size}x${size}/${WORDLOOM_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${gen}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${pkg}/${WORDLOOM_APP_ID}.svg
      DEPENDS ${pkg}/${WORDLOOM_APP_ID}.svg
      COMMENT "Rendering the ${size}x${size} icon")
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
    list(APPEND generated ${png})
  endforeach()

  # The man page is the program's own --help, so the two cannot disagree.
  add_custom_command(
    OUTPUT ${gen}/wordloom.1.gz
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            ${HELP2MAN} --no-info --section=1 "--version-string=wordloom ${PROJECT_VERSION}"
            "--name=compose poetry and prose by clicking words"
            --include=${pkg}/wordloom.h2m --output=${gen}/wordloom.1 $<TARGET_FILE:wordloom>
    COMMAND ${GZIP} -9nf ${gen}/wordloom.1
    DEPENDS wordloom ${pkg}/wordloom.h2m
    COMMENT "Writing the man page from --help")
  install(FILES ${gen}/wordloom.1.gz DESTINATION share/man/man1)
  list(APPEND generated ${gen}/wordloom.1.gz)

  configure_file(${pkg}/changelog.in ${gen}/changelog @ONLY)
  add_custom_command(
    OUTPUT ${gen}/changelog.gz
    COMMAND ${GZIP} -9nc ${gen}/changelog > ${gen}/changelog.gz
    DEPENDS ${gen}/changelog
    COMMENT "Compressing the changelog")
  install(FILES ${gen}/changelog.gz DESTINATION share/doc/wordloom)
  list(APPEND generated ${gen}/changelog.gz)

  add_custom_target(wordloom_package_files ALL DEPENDS ${generated})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wordloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${WORDLOOM_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose poetry and prose by clicking words")
# (No double quotes in it: CPack would turn them into list separators.)
file(READ ${pkg}/description.txt CPACK_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pkg}/description.txt)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${WORDLOOM_HOMEPAGE}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries come from the binary; what it loads at run time (the window
# system plugins, the speech plugin and its voice) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-speech-flite-plugin, libflite1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-speech-speechd-plugin, qt6-wayland")
include(CPack)
