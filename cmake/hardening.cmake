# The protections that every package Debian ships and every trusted Windows program has, added
# to every build with GCC or Clang unless the packager's own flags already ask for them:
# a stack protector, checked buffer calls (_FORTIFY_SOURCE, where the build optimizes), and
# on Linux stack-clash protection, control-flow protection, a position-independent program and
# a read-only relocation table bound at start (RELRO, BIND_NOW). On Windows the program carries
# no SEH handler table, so a 32-bit one says it has none.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

set(flags "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}")

if(NOT flags MATCHES "-fstack-protector|-fno-stack-protector")
  add_compile_options(-fstack-protector-strong)
  if(WIN32)
    add_link_options(-fstack-protector-strong)
  endif()
endif()

# Only where the compiler does not define it itself (as Ubuntu's GCC does), and only where the
# build optimizes: the checks need it, and glibc warns without.
check_cxx_source_compiles("#ifdef _FORTIFY_SOURCE\n#error\n#endif\nint main() {}"
                          RAVELO_FORTIFY_UNSET)
if(RAVELO_FORTIFY_UNSET AND NOT flags MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_link_options(-Wl,--no-seh)
  endif()
  return()
endif()

foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "RAVELO_HAS${flag}" known)
  check_cxx_compiler_flag(${flag} ${known})
  if(${known} AND NOT flags MATCHES "${flag}")
    add_compile_options(${flag})
  endif()
endforeach()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
if(NOT flags MATCHES "-z,?relro")
  add_link_options(-Wl,-z,relro)
endif()
if(NOT flags MATCHES "-z,?now")
  add_link_options(-Wl,-z,now)
endif()
