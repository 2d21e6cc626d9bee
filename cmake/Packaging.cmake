# `cpack -G DEB` in the build folder makes a Debian package of the program,
# the importer, the desktop files and the word data.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorbix)
set(CPACK_PACKAGE_VENDOR "The Vorbix developers")
set(CPACK_PACKAGE_CONTACT "The Vorbix developers <developers@vorbix.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for English, Spanish, French and German")
set(CPACK_PACKAGE_DESCRIPTION "Vorbix trains the words of six language pairs between English and
Spanish, French and German: a dictionary that looks words up as you type, a learning screen,
a writing test scored with partial credit and a five-choice grid test. It keeps the
learner's answers on the computer, charts them per day and practises the words that are due.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps; Qt's SQLite driver is a
# plug-in that no binary links, so it is named here, and so is Qt Charts
# (the Progress window), which shlibdeps finds as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6charts6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "dict-freedict-eng-spa, dict-freedict-spa-eng, dict-freedict-eng-fra, dict-freedict-fra-eng, dict-freedict-eng-deu, dict-freedict-deu-eng, trans-de-en, apertium-eng-spa, lttoolbox-dev")

include(CPack)
