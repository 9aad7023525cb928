# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening as Debian's build flags give it (dpkg-buildflags with hardening=+all): a stack
# protector, fortified C library calls, a position-independent executable, and the relocations
# made read-only once they are all bound at startup (full RELRO with immediate binding).
option(VELTRIN_HARDEN "Harden the build as Debian's build flags do" ON)
if(NOT VELTRIN_HARDEN)
    return()
endif()

add_compile_options(-fstack-protector-strong)
# The fortified calls need the optimizer, and they would bypass the checks that the sanitizers
# put on the plain calls, so the sanitizer builds go without them.
if(NOT VELTRIN_SANITIZE AND NOT VELTRIN_TSAN)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
# Qt asks for -fPIC rather than -fPIE on the compiler's line, so only the link names PIE.
add_link_options($<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:-pie> LINKER:-z,relro
                 LINKER:-z,now)
