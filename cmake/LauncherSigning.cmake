# Authenticode signing of the package's executable and DLLs, when a code-signing certificate is
# given: SmartScreen and publisher rules (AppLocker, WDAC) trust a signed copy. The files are
# signed as CPack stages them, so the build's bin/ stays as linked and only the package is
# signed. Without a certificate nothing is signed and the package is what it always was.
#
# The certificate is a PKCS#12 file, named by LAUNCHER_SIGNING_PKCS12 in the environment when
# CPack runs or in the cache; its password comes only from the environment
# (LAUNCHER_SIGNING_PASSWORD), read when signing, so it lies in no file of the build. An RFC 3161
# time-stamp server (LAUNCHER_SIGNING_TIMESTAMP_URL) keeps the signatures valid after the
# certificate expires.
set(LAUNCHER_SIGNING_PKCS12 "" CACHE FILEPATH
    "PKCS#12 code-signing certificate for the package (password in the environment: LAUNCHER_SIGNING_PASSWORD)")
set(LAUNCHER_SIGNING_TIMESTAMP_URL "" CACHE STRING
    "RFC 3161 time-stamp server for the package's signatures (optional)")
find_program(LAUNCHER_OSSLSIGNCODE osslsigncode DOC "osslsigncode, to sign the package's PE files")

# CPack hands its CPACK_ variables to the script; the password is not among them.
set(CPACK_LAUNCHER_SIGNING_PKCS12 "${LAUNCHER_SIGNING_PKCS12}")
set(CPACK_LAUNCHER_SIGNING_TIMESTAMP_URL "${LAUNCHER_SIGNING_TIMESTAMP_URL}")
set(CPACK_LAUNCHER_OSSLSIGNCODE "${LAUNCHER_OSSLSIGNCODE}")
set(CPACK_LAUNCHER_SIGNING_DESCRIPTION "Norvale Linkage")
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/sign_package.cmake)
