# Copies SRC to DST only when DST does not exist, so a player's edited settings survive builds.
if(NOT EXISTS ${DST})
  configure_file(${SRC} ${DST} COPYONLY)
endif()
