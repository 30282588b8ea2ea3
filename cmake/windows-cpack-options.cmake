# Per package: the installer's file is named as a setup program; the zip keeps the plain
# name, which is also the one folder it unpacks into.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
