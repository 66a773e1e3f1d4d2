# Translation catalogues: Qt Linguist sources (.ts) compiled by lrelease and
# embedded as a Qt resource.
#
#   varnex_translations(<target> <resource name> DIR <catalogue dir> [PREFIX /i18n])
#
# For every language of VARNEX_LANGUAGES, all files named i18n_<lang>.ts in the
# catalogue directory and in its direct subfolders (one subfolder per area, so
# people working on different areas never edit the same file) are merged into
# one i18n_<lang>.qm, found at run time as ":<prefix>/i18n_<lang>.qm".
#
# The resource is compiled into <target>. When <target> is a static library,
# call Q_INIT_RESOURCE(<resource name>) once before the catalogues are needed,
# or the linker drops them.
set(VARNEX_LANGUAGES de en es fr jp ko ru zh)

function(varnex_translations target resource_name)
  cmake_parse_arguments(ARG "" "DIR;PREFIX" "" ${ARGN})
  if(NOT ARG_DIR)
    message(FATAL_ERROR "varnex_translations(${target}): DIR is required")
  endif()
  if(NOT ARG_PREFIX)
    set(ARG_PREFIX /i18n)
  endif()
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${resource_name})
  file(MAKE_DIRECTORY ${out_dir})

  set(qm_files)
  set(entries)
  foreach(lang IN LISTS VARNEX_LANGUAGES)
    file(GLOB ts_files CONFIGURE_DEPENDS ${ARG_DIR}/i18n_${lang}.ts ${ARG_DIR}/*/i18n_${lang}.ts)
    if(NOT ts_files)
      continue()
    endif()
    list(SORT ts_files)
    set(qm ${out_dir}/i18n_${lang}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND Qt5::lrelease -silent ${ts_files} -qm ${qm}
      DEPENDS ${ts_files}
      COMMENT "Merging the ${lang} catalogues of ${resource_name}"
      VERBATIM)
    list(APPEND qm_files ${qm})
    string(APPEND entries "    <file>i18n_${lang}.qm</file>\n")
  endforeach()

  set(qrc ${out_dir}/${resource_name}.qrc)
  file(CONFIGURE OUTPUT ${qrc}
    CONTENT "<RCC>\n  <qresource prefix=\"${ARG_PREFIX}\">\n${entries}  </qresource>\n</RCC>\n")
  set(rcc_cpp ${out_dir}/qrc_${resource_name}.cpp)
  add_custom_command(OUTPUT ${rcc_cpp}
    COMMAND Qt5::rcc --name ${resource_name} --output ${rcc_cpp} ${qrc}
    DEPENDS ${qrc} ${qm_files}
    VERBATIM)
  set_source_files_properties(${rcc_cpp} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
  target_sources(${target} PRIVATE ${rcc_cpp})
endfunction()
