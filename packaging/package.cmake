# The Debian package, built by scripts/package with `cpack -G DEB`. Its
# dependencies come from the libraries the programs link (dpkg-shlibdeps).
# The MIME database, the desktop entries' cache and the icon cache are brought
# up to date by the triggers of shared-mime-info, desktop-file-utils and the
# icon theme when the package is installed or removed, so the package needs
# no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME heddlemark)
set(CPACK_PACKAGE_VENDOR "The Heddlemark developers")
set(CPACK_PACKAGE_CONTACT "The Heddlemark developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design program for weaving drafts on complex looms")
# The summary above is the description's first line; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Heddlemark is a design program for weavers who work on complex looms: up to
128 pattern shafts over a ground of two shaft groups, A and B. You draw the
threadings, treadlings, tie-ups and liftplan on a grid, or paint the pattern as
a picture, and see at once the fabric the draft makes. It opens .hdx, .hdm and
WIF files, prints, exports pictures and speaks English, German, Swedish and
Finnish. The package also holds heddlemark-cli, the headless tool for batch
work, which draws the thumbnails file managers show for drafts.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
