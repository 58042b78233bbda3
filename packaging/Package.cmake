# `cpack` in the build folder makes quorvane-stellaform_<version>_<arch>.deb:
# the installation folder in /opt/quorvane-stellaform, plus the launcher, the
# menu entry and the icon under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane-stellaform)
set(CPACK_PACKAGE_VENDOR "Quorvane Software Works")
set(CPACK_PACKAGE_CONTACT "Quorvane Software Works <support@quorvane.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/quorvane-stellaform)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.quorvane.example/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "desktop lottery assistant
Quorvane Stellaform keeps the history of drawings of the lotteries you follow,
one plain text file per lottery, and lets you choose the current lottery from
a catalog, define new lotteries, add, delete, import and export drawings,
download a lottery's drawings file, and run a rank-frequency prediction that
writes a short report.
.
No method can predict the drawings of a fair lottery: the prediction is for
entertainment only.")
# The libraries the program links come from dpkg-shlibdeps. Qt loads its
# platform plugins at run time, so no library names them: without
# qt6-qpa-plugins the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Help opens help.chm with the desktop's viewer for help files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm | kchmviewer")

include(CPack)
