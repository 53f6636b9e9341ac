# The Debian package: `cpack -G DEB` in the build folder. Its dependencies on
# shared libraries come from dpkg-shlibdeps; what it needs beyond them (the
# window system plugins, the CJK font of the report, Python for the module) is
# named here.
set(CPACK_PACKAGE_NAME tharvex)
set(CPACK_PACKAGE_VENDOR "Tharvex developers")
set(CPACK_PACKAGE_CONTACT "Tharvex developers <dev@tharvex.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thermal design of box-type finned-tube heat exchangers")
set(CPACK_PACKAGE_DESCRIPTION
    "Tharvex sizes and rates box-type finned-tube heat exchangers: gas across a bank of finned tubes in a
rectangular casing, liquid, gas or condensing vapour inside the tubes. It closes the heat balance,
lays out the tubes, computes film coefficients, fin efficiency, pressure drops, the corrected mean
temperature difference, the overall coefficient, areas, surplus and nozzles, and writes a report.
The package holds the desktop program, the command-line driver tharvex-cli and the Python module.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
if(TARGET tharvex_python)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}), python3 (<< ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}.999)")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
