# The English translation of the editor's texts. translations/tarnwick_en.ts
# holds every text the Qt code marks, with its English form; lrelease builds
# it into tarnwick_en.qm, embedded in the program as :/i18n/tarnwick_en.qm.
# `ninja update_translations` brings the .ts in step with the code (new texts
# come in unfinished, which tests/translations_check.sh refuses).
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
  message(FATAL_ERROR "The Qt Linguist tools (lupdate, lrelease) were not found: install "
                      "qt6-tools-dev and qt6-l10n-tools (bash scripts/install-deps.sh editor).")
endif()
set(TARNWICK_TS_FILES ${CMAKE_SOURCE_DIR}/translations/tarnwick_en.ts)
# The options tests/translations_check.sh runs lupdate with.
set(TARNWICK_LUPDATE_OPTIONS -locations none -no-obsolete -extensions cpp,h)
qt_add_translations(tarnwick_ui
  TS_FILES ${TARNWICK_TS_FILES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS ${TARNWICK_LUPDATE_OPTIONS})
