# The Debian package: `cpack -G DEB` in a configured tree packs what
# cmake/install.cmake installs. Its dependencies are computed by
# dpkg-shlibdeps from the libraries the programs really link, so they follow
# whatever the build found. `make package` builds a Release tree for this;
# the package test packs the tree it runs in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvelin)
set(CPACK_PACKAGE_VERSION ${QUARVELIN_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quarvelin developers")
set(CPACK_PACKAGE_CONTACT "The Quarvelin developers <developers@quarvelin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for gamebooks with role-playing rules")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quarvelin.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the package makes are 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian keeps section "games" for programs in /usr/games; the player lives
# in /usr/bin (its desktop entry files it under Game all the same).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The desktop player draws text only in a scalable font; dpkg-shlibdeps adds
# the libraries to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation | fonts-dejavu-core")
# Reading aloud opens these when it is turned on; without them it stays off.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libspeechd2, libespeak-ng1")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents these
# lines and turns the empty one into the paragraph mark.
set(CPACK_PACKAGE_DESCRIPTION
    "Quarvelin plays gamebooks: books of numbered locations written in a small
tag language, with role-playing rules. The hero has attributes and
experience to spend, fights with dice, carries weapons, armour and items,
buys and sells in shops, and keeps saved positions. Each gamebook brings
its own skin, pictures, sounds and music.

A shelf lists the gamebooks the player has added and the bundled demo; a
gamebook may be a folder or one zip archive, played without unpacking it.
Authors get a headless script runner, a terminal player and tools that
check and scramble a gamebook.
")
include(CPack)

# The installed tree and the package, checked from the tree the suite runs
# in: no second build.
if(QUARVELIN_TESTS)
  enable_testing()
  add_test(NAME package_install
           COMMAND ${CMAKE_SOURCE_DIR}/tests/package/install_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME package_dpkg
           COMMAND ${CMAKE_SOURCE_DIR}/tests/package/dpkg_test.sh ${CMAKE_BINARY_DIR})
  # 77: not root, no dpkg, or a quarvelin package already installed.
  set_tests_properties(package_dpkg PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL ON TIMEOUT 300)
  set_tests_properties(package_install PROPERTIES TIMEOUT 120)
endif()
