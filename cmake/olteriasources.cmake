# olteria_sources(VAR FOLDER NAME...): appends to VAR, for each NAME, FOLDER/NAME.cpp and
# FOLDER/NAME.h, or FOLDER/NAME alone when NAME already ends in .h or .cpp. Every target names
# its files so; nothing is globbed, so a new file joins a build only where it is listed.
function(olteria_sources var folder)
  set(files ${${var}})
  foreach(name IN LISTS ARGN)
    if(name MATCHES "\\.(h|cpp)$")
      list(APPEND files "${folder}/${name}")
    else()
      list(APPEND files "${folder}/${name}.cpp" "${folder}/${name}.h")
    endif()
  endforeach()
  set(${var} ${files} PARENT_SCOPE)
endfunction()
