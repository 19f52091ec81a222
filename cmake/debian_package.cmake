# The Debian package of the install (cpack -G DEB, or scripts/build-deb.sh):
# its dependencies come from dpkg-shlibdeps, its binaries are stripped, and
# its files belong to root with Debian's permissions.
set(CPACK_PACKAGE_NAME zentrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ZENTRIX developers")
set(ZENTRIX_PACKAGE_CONTACT "ZENTRIX developers <zentrix@karvel.invalid>"
    CACHE STRING "The package's maintainer, as Debian writes it")
set(CPACK_PACKAGE_CONTACT ${ZENTRIX_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometry pre-processor for bar structures")
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZENTRIX builds the geometry of a truss or frame made of equal modules:
from one module, its end planes and its elements, expanded as a prism, a
pyramidal frustum, a shrink in one direction or a circular or parabolic
arch, it generates every node and element and writes the Geometry File of
the KARVEL structural-analysis package.
.
This package holds the desktop program zentrix (Qt 6, English and
Romanian), the command-line program zentrix-cli, and example models.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)
include(CPack)
