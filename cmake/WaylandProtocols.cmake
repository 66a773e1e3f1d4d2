# Client code for Wayland protocols, generated with wayland-scanner from the
# protocol files the distribution ships (or that we keep in protocols/).
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
if(NOT WAYLAND_SCANNER)
  message(FATAL_ERROR "wayland-scanner not found (Debian: libwayland-bin)")
endif()

# varnex_wayland_client_protocol(<target> <protocol.xml>): adds the protocol's
# client header (<name>-client-protocol.h, on the target's include path) and
# its interface code to <target>.
function(varnex_wayland_client_protocol target xml)
  get_filename_component(name ${xml} NAME_WE)
  set(dir ${CMAKE_BINARY_DIR}/wayland-protocols)
  set(header ${dir}/${name}-client-protocol.h)
  set(code ${dir}/${name}-protocol.c)
  add_custom_command(OUTPUT ${header} ${code}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
    COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
    DEPENDS ${xml} VERBATIM)
  target_sources(${target} PRIVATE ${header} ${code})
  target_include_directories(${target} PUBLIC ${dir})
endfunction()
