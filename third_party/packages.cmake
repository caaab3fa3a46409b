# What the release redistributes besides our own files, one entry per package: the superbuild
# takes each archive and its hash from here, the packaging its licence texts, and the release
# manifest (SHA256SUMS, the SPDX document) everything else. Included, never run on its own.
#
# Built from the archives of this folder (THIRD_PARTY_ARCHIVE_PACKAGES), per package:
#   _VERSION        released version
#   _ARCHIVE        file of this folder; _SHA256 its hash
#   _TOP            folder the sources lie in inside the archive
#   _LICENSE        SPDX licence expression
#   _LICENSE_FILES  licence and notice files, relative to _TOP, shipped under licenses/<name>/
#   _PROJECT, _REPOSITORY, _TAG, _COMMIT  where the archive comes from (`git archive` of the tag)
#   _DLLS           the DLLs it ships as; or
#   _LINKED_INTO    the shipped DLL it is linked into, static, shipping no DLL of its own
# A version is written once: the archive's name, its top folder and the tag follow from it.
#
# The toolchain's run-time (THIRD_PARTY_TOOLCHAIN_PACKAGES) ships as the cross compiler's
# Debian packages install it: their package and version are read with dpkg-query when the
# build is configured, so only what dpkg does not know is here.
#   _DLLS           the DLLs it ships as
#   _LICENSE        SPDX licence expression
#   _PROJECT        upstream project

set(THIRD_PARTY_ARCHIVE_PACKAGES log4cxx apr apr-util expat)
set(THIRD_PARTY_TOOLCHAIN_PACKAGES gcc-runtime winpthreads)

set(THIRD_PARTY_log4cxx_VERSION 1.8.0)
set(THIRD_PARTY_log4cxx_TOP apache-log4cxx-${THIRD_PARTY_log4cxx_VERSION})
set(THIRD_PARTY_log4cxx_ARCHIVE ${THIRD_PARTY_log4cxx_TOP}.tar.gz)
set(THIRD_PARTY_log4cxx_SHA256 b24cdebb0d6dc8fb2533e9f0aba56e39402ccf07c6b8cf3fba62e0354fbd86df)
set(THIRD_PARTY_log4cxx_LICENSE Apache-2.0)
set(THIRD_PARTY_log4cxx_LICENSE_FILES LICENSE NOTICE)
set(THIRD_PARTY_log4cxx_PROJECT "Apache log4cxx")
set(THIRD_PARTY_log4cxx_REPOSITORY https://github.com/apache/logging-log4cxx)
set(THIRD_PARTY_log4cxx_TAG rel/v${THIRD_PARTY_log4cxx_VERSION})
set(THIRD_PARTY_log4cxx_COMMIT b63993f82346e0db103ef7d210d95478e729cfc0)
set(THIRD_PARTY_log4cxx_DLLS liblog4cxx.dll)

set(THIRD_PARTY_apr_VERSION 1.7.4)
set(THIRD_PARTY_apr_TOP apr-${THIRD_PARTY_apr_VERSION})
set(THIRD_PARTY_apr_ARCHIVE ${THIRD_PARTY_apr_TOP}.tar.gz)
set(THIRD_PARTY_apr_SHA256 a5ec008dadf4ec591f139f2abc5003abe871ebfa854208b3d6f9b159f1553a8d)
set(THIRD_PARTY_apr_LICENSE Apache-2.0)
set(THIRD_PARTY_apr_LICENSE_FILES LICENSE NOTICE)
set(THIRD_PARTY_apr_PROJECT "Apache Portable Runtime")
set(THIRD_PARTY_apr_REPOSITORY https://github.com/apache/apr)
set(THIRD_PARTY_apr_TAG ${THIRD_PARTY_apr_VERSION})
set(THIRD_PARTY_apr_COMMIT 22867ddac49b7dcf356556577461231acdff6445)
set(THIRD_PARTY_apr_LINKED_INTO liblog4cxx.dll)

set(THIRD_PARTY_apr-util_VERSION 1.6.3)
set(THIRD_PARTY_apr-util_TOP apr-util-${THIRD_PARTY_apr-util_VERSION})
set(THIRD_PARTY_apr-util_ARCHIVE ${THIRD_PARTY_apr-util_TOP}.tar.gz)
set(THIRD_PARTY_apr-util_SHA256 1860d03a329b02d7ac598fbb9daa830fe3d80f6e77f45124ee25b585599dac67)
set(THIRD_PARTY_apr-util_LICENSE Apache-2.0)
set(THIRD_PARTY_apr-util_LICENSE_FILES LICENSE NOTICE)
set(THIRD_PARTY_apr-util_PROJECT "APR-util")
set(THIRD_PARTY_apr-util_REPOSITORY https://github.com/apache/apr-util)
set(THIRD_PARTY_apr-util_TAG ${THIRD_PARTY_apr-util_VERSION})
set(THIRD_PARTY_apr-util_COMMIT 28327eeca2614816c1fa33ff7c4105213e0ad938)
set(THIRD_PARTY_apr-util_LINKED_INTO liblog4cxx.dll)

# The tag holds the whole repository; the library is its expat/ folder.
set(THIRD_PARTY_expat_VERSION 2.8.3)
set(THIRD_PARTY_expat_ARCHIVE expat-${THIRD_PARTY_expat_VERSION}.tar.gz)
set(THIRD_PARTY_expat_SHA256 2cf4f011886d9b976de8232bd8d29f5b5eb3dd25bf19936cea9682de268be44f)
set(THIRD_PARTY_expat_TOP expat-${THIRD_PARTY_expat_VERSION}/expat)
set(THIRD_PARTY_expat_LICENSE MIT)
set(THIRD_PARTY_expat_LICENSE_FILES COPYING)
set(THIRD_PARTY_expat_PROJECT "libexpat")
set(THIRD_PARTY_expat_REPOSITORY https://github.com/libexpat/libexpat)
string(REPLACE . _ THIRD_PARTY_expat_TAG R_${THIRD_PARTY_expat_VERSION})
set(THIRD_PARTY_expat_COMMIT 92810461043fce37e70079b37ab1f04490a8f039)
set(THIRD_PARTY_expat_LINKED_INTO liblog4cxx.dll)

# libstdc++ and libgcc: GPL 3 or later with GCC's run-time library exception.
set(THIRD_PARTY_gcc-runtime_DLLS libstdc++-6.dll libgcc_s_dw2-1.dll)
set(THIRD_PARTY_gcc-runtime_LICENSE "GPL-3.0-or-later WITH GCC-exception-3.1")
set(THIRD_PARTY_gcc-runtime_PROJECT "GCC run-time libraries (libstdc++, libgcc)")

# winpthreads is MIT-licensed, with parts under BSD terms; the DLL carries mingw-w64's start-up
# code, which is under the Zope Public License.
set(THIRD_PARTY_winpthreads_DLLS libwinpthread-1.dll)
set(THIRD_PARTY_winpthreads_LICENSE "MIT AND BSD-3-Clause AND ZPL-2.1")
set(THIRD_PARTY_winpthreads_PROJECT "mingw-w64 winpthreads")
