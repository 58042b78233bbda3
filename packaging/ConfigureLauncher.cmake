# Writes the launcher LAUNCHER for the installation folder
# STELLAFORM_SHARED_FOLDER. Used at install time and by the launcher's test.
configure_file("${CMAKE_CURRENT_LIST_DIR}/quorvane-stellaform.in" "${LAUNCHER}" @ONLY)
