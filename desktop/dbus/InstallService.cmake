# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: writes the session bus's service file with the starter's full
# path under the prefix being installed to, and installs it. The variables come from the
# install code before it (desktop/CMakeLists.txt).
if(IS_ABSOLUTE "${QUILLET_BINDIR}")
  set(QUILLET_INSTALLED_STARTER "${QUILLET_BINDIR}/quillet")
else()
  set(QUILLET_INSTALLED_STARTER "${CMAKE_INSTALL_PREFIX}/${QUILLET_BINDIR}/quillet")
endif()
if(IS_ABSOLUTE "${QUILLET_SERVICE_DESTINATION}")
  set(destination "${QUILLET_SERVICE_DESTINATION}")
else()
  set(destination "${CMAKE_INSTALL_PREFIX}/${QUILLET_SERVICE_DESTINATION}")
endif()
file(READ "${QUILLET_SERVICE_TEMPLATE}" text)
string(REGEX REPLACE "^([#][^\n]*\n)+" "" text "${text}")
string(CONFIGURE "${text}" text @ONLY)
file(WRITE "${QUILLET_SERVICE_FILE}" "${text}")
file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${QUILLET_SERVICE_FILE}")
