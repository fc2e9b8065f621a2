# Copies the data directory ORIGEM to DESTINO. Every file is refreshed except
# apl.cnf: the settings the pupil saved in the run directory are kept, and the
# shipped apl.cnf is only copied when there is none yet.
file(GLOB_RECURSE arquivos RELATIVE ${ORIGEM} ${ORIGEM}/*)
foreach(arquivo IN LISTS arquivos)
  if(arquivo STREQUAL "apl.cnf" AND EXISTS ${DESTINO}/apl.cnf)
    continue()
  endif()
  get_filename_component(pasta ${DESTINO}/${arquivo} DIRECTORY)
  file(MAKE_DIRECTORY ${pasta})
  file(COPY_FILE ${ORIGEM}/${arquivo} ${DESTINO}/${arquivo} ONLY_IF_DIFFERENT)
endforeach()
