# Creates FILE empty unless it exists: a rebuild keeps what pupils wrote.
if(NOT EXISTS ${FILE})
  file(WRITE ${FILE} "")
endif()
