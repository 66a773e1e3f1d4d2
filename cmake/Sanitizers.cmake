# VARNEX_SANITIZE=address builds everything with ASan+UBSan, =thread with TSan.
# The vptr check is left out: Qt's libraries are not built with it, and it
# reports false type mismatches on objects that cross into them.
if(VARNEX_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize=vptr -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
elseif(VARNEX_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(VARNEX_SANITIZE)
  message(FATAL_ERROR "VARNEX_SANITIZE must be address, thread or empty, not '${VARNEX_SANITIZE}'")
endif()

# The fuzzers learn from coverage of the code they call, so with them on every
# library is built with coverage counters (the fuzzer runtime itself is linked
# into the fuzz targets only; the sanitizer runtime answers the counters in
# the test programs).
if(VARNEX_FUZZ AND VARNEX_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
