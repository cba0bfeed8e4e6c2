# Debian packages of a build (cpack -G DEB, run by scripts/deb_check.sh): the
# runtime library, the development files and the Designer plugin. The Qt 6
# build's packages are named apart from the Qt 5 build's, so a system carries
# both. They install to /usr, so configure with CMAKE_INSTALL_LIBDIR=lib/<multiarch>.
if(BV_QT_MAJOR EQUAL 5)
    set(BV_DEB_QT_DEV qtbase5-dev)
else()
    set(BV_DEB_QT_DEV qt${BV_QT_MAJOR}-base-dev)
endif()
# Debian names a library package after its SONAME, with a hyphen before the
# version when the name ends in a digit.
if(BV_INSTALL_NAME MATCHES "[0-9]$")
    set(BV_DEB_RUNTIME lib${BV_INSTALL_NAME}-${PROJECT_VERSION_MAJOR})
else()
    set(BV_DEB_RUNTIME lib${BV_INSTALL_NAME}${PROJECT_VERSION_MAJOR})
endif()
set(BV_DEB_DEV lib${BV_INSTALL_NAME}-dev)
set(BV_DEB_DESIGNER ${BV_INSTALL_NAME}-designer-plugin)
set(BV_DEB_VERSION ${PROJECT_VERSION}-1)
set(BV_DEB_MAINTAINER "BVWidgets developers <maintainers@users.noreply.c-seed-64037607.example>"
    CACHE STRING "Maintainer field of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${BV_INSTALL_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET bvwidgetsplugin)
    list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BV_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SOURCE bvwidgets)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt's and the C++ runtime's packages come from the binaries. dpkg-shlibdeps
# must find the library the plugin links in the build folder, though it knows
# no package of it: the plugin names its package below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
# A shlibs file: packages built against the library depend on this version or later.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Defined but empty, so the project's description is not put before each package's.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(BV_DEB_ABOUT "BVWidgets holds the color panel, color wheel and color controls, spin boxes,
a slider, a splitter and a wizard the Brelvon photo editor builds its
interface from, for Qt ${BV_QT_MAJOR} Widgets applications.

")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${BV_DEB_RUNTIME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# CPack writes postinst and postrm scripts that call ldconfig unless the control
# files name their own; naming ones that do not exist leaves the scripts out,
# and the trigger runs ldconfig instead, as Debian wants.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers
    ${PROJECT_BINARY_DIR}/debian/none/postinst ${PROJECT_BINARY_DIR}/debian/none/postrm)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "Qt ${BV_QT_MAJOR} widgets of the Brelvon photo editor - shared library
${BV_DEB_ABOUT}This package holds the shared library and its translations.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${BV_DEB_DEV})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# A host builds against Qt's development files too: the CMake and pkg-config
# packages look Qt Widgets up.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "${BV_DEB_RUNTIME} (= ${BV_DEB_VERSION}), ${BV_DEB_QT_DEV} (>= ${BV_QT_MIN_VERSION})")
set(CPACK_DEBIAN_DEV_DESCRIPTION "Qt ${BV_QT_MAJOR} widgets of the Brelvon photo editor - development files
${BV_DEB_ABOUT}This package holds the headers, the CMake package ${BV_PACKAGE_NAME} and
the pkg-config file ${BV_INSTALL_NAME}.pc.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME ${BV_DEB_DESIGNER})
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "${BV_DEB_RUNTIME} (= ${BV_DEB_VERSION})")
set(CPACK_DEBIAN_DESIGNER_DESCRIPTION "Qt ${BV_QT_MAJOR} widgets of the Brelvon photo editor - Qt Designer plugin
${BV_DEB_ABOUT}This package holds the plugin that offers the widgets in Qt Designer
and to QUiLoader.")

# The PyQt module of this build, which scripts/python.sh builds into
# python/site: packaged only once it is there (cmake/debian/python.cmake adds
# the two components at cpack time), in the folders Debian gives PyQt's add-ons.
set(BV_PY_SITE ${PROJECT_BINARY_DIR}/python/site)
set(BV_PY_PACKAGE PyQt${BV_QT_MAJOR})
set(BV_PY_DIR lib/python3/dist-packages)
# The sip module ABI the module was generated for, as PyQt-builder chooses it.
if(BV_QT_MAJOR EQUAL 5)
    set(BV_PY_SIP_ABI 12.11)
    set(BV_PY_SIP_ABI_NEXT 13)
else()
    set(BV_PY_SIP_ABI 13.4)
    set(BV_PY_SIP_ABI_NEXT 14)
endif()
install(DIRECTORY ${BV_PY_SITE}/ DESTINATION ${BV_PY_DIR} COMPONENT python EXCLUDE_FROM_ALL
    PATTERN bindings EXCLUDE PATTERN RECORD EXCLUDE)
install(DIRECTORY ${BV_PY_SITE}/${BV_PY_PACKAGE}/bindings DESTINATION ${BV_PY_DIR}/${BV_PY_PACKAGE}
    COMPONENT pythondev EXCLUDE_FROM_ALL)
# Not an install(TARGETS): CPack's stripping does not reach it.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded --remove-section=.comment
    --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BV_PY_DIR}/${BV_PY_PACKAGE}/BVWidgets.abi3.so\")"
    COMPONENT python EXCLUDE_FROM_ALL)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/python.cmake.in ${PROJECT_BINARY_DIR}/debian/python.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/debian/python.cmake)

set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-pyqt${BV_QT_MAJOR}.bvwidgets)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
# Qt's and the C++ runtime's packages come from the binary; the sip module
# must offer the ABI the module was generated for.
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "${BV_DEB_RUNTIME} (= ${BV_DEB_VERSION}), python3,
    python3-pyqt${BV_QT_MAJOR} (>= ${BV_QT_MIN_VERSION}),
    python3-pyqt${BV_QT_MAJOR}.sip (>= ${BV_PY_SIP_ABI}), python3-pyqt${BV_QT_MAJOR}.sip (<< ${BV_PY_SIP_ABI_NEXT})")
string(REGEX REPLACE "\n *" " " CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "${CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS}")
set(CPACK_DEBIAN_PYTHON_DESCRIPTION "Qt ${BV_QT_MAJOR} widgets of the Brelvon photo editor - PyQt${BV_QT_MAJOR} module
${BV_DEB_ABOUT}This package holds the module PyQt${BV_QT_MAJOR}.BVWidgets, which offers the
widgets to PyQt${BV_QT_MAJOR} applications, and its type hints.")

set(CPACK_DEBIAN_PYTHONDEV_PACKAGE_NAME pyqt${BV_QT_MAJOR}.bvwidgets-dev)
set(CPACK_DEBIAN_PYTHONDEV_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHONDEV_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHONDEV_PACKAGE_DEPENDS
    "${CPACK_DEBIAN_PYTHON_PACKAGE_NAME} (= ${BV_DEB_VERSION}), ${BV_DEB_DEV} (= ${BV_DEB_VERSION}), pyqt${BV_QT_MAJOR}-dev, python3")
set(CPACK_DEBIAN_PYTHONDEV_DESCRIPTION "Qt ${BV_QT_MAJOR} widgets of the Brelvon photo editor - PyQt${BV_QT_MAJOR} .sip files
${BV_DEB_ABOUT}This package holds the .sip files of the module PyQt${BV_QT_MAJOR}.BVWidgets, for
bindings of other widgets that build on it.")

# Every package carries the copyright statement, a Debian changelog and its
# lintian overrides. Only the packages install them, not a plain cmake --install.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
execute_process(COMMAND gzip -9nc changelog WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/debian
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz RESULT_VARIABLE BV_GZIP_RESULT)
if(NOT BV_GZIP_RESULT EQUAL 0)
    message(FATAL_ERROR "Could not compress the Debian changelog: ${BV_GZIP_RESULT}")
endif()
foreach(component IN LISTS CPACK_COMPONENTS_ALL ITEMS python pythondev)
    string(TOUPPER ${component} upper)
    set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
    install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
    file(WRITE ${PROJECT_BINARY_DIR}/debian/overrides/${package}
        "# Not uploaded to Debian, so there is no bug of the archive to close.\n"
        "${package}: initial-upload-closes-no-bugs\n")
    if(component STREQUAL python)
        file(APPEND ${PROJECT_BINARY_DIR}/debian/overrides/${package}
            "# The module calls no C library function: all it calls is in Python, sip, Qt and ours.\n"
            "${package}: library-not-linked-against-libc [usr/${BV_PY_DIR}/${BV_PY_PACKAGE}/BVWidgets.abi3.so]\n")
    endif()
    install(FILES ${PROJECT_BINARY_DIR}/debian/overrides/${package}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

include(CPack)
