# The protections Debian builds every package with (what dpkg-buildflags
# gives with DEB_BUILD_MAINT_OPTIONS=hardening=+all), plus -fcf-protection
# where the compiler has it. On by default for the optimised build types,
# whether or not dpkg-buildflags is installed; _FORTIFY_SOURCE needs the
# optimiser, so Debug builds go without. The sanitizer and fuzz builds bring
# their own instrumentation and keep their own flags.
#
# These options come after CMAKE_CXX_FLAGS (and so after a distribution's
# CXXFLAGS) on the command line; -DCINDREL_HARDENING=OFF leaves the flags
# entirely to the packager.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

option(CINDREL_HARDENING "Build Release and RelWithDebInfo with Debian's hardening flags" ON)

set(cindrel_hardened_build_types Release RelWithDebInfo)
if(CINDREL_HARDENING AND NOT CINDREL_SANITIZE AND NOT CINDREL_FUZZ
   AND CMAKE_BUILD_TYPE IN_LIST cindrel_hardened_build_types)
  if(WIN32)
    # MinGW-w64: the same compile-time checks, and the PE header's ASLR
    # (64-bit, high entropy) and DEP instead of ELF's relro. The stack
    # protector's and the fortified functions' runtime is MinGW's
    # libssp-0.dll, which the installer carries with the rest of MinGW's
    # runtime.
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
      add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
    add_link_options(-fstack-protector-strong
                     LINKER:--dynamicbase LINKER:--nxcompat LINKER:--high-entropy-va)
    return()
  endif()
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # A level the packager already chose (Debian passes -D_FORTIFY_SOURCE=2
  # through CPPFLAGS) is kept rather than redefined.
  if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions(_FORTIFY_SOURCE=2)
  endif()
  check_cxx_compiler_flag(-fcf-protection CINDREL_HAVE_CF_PROTECTION)
  if(CINDREL_HAVE_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
