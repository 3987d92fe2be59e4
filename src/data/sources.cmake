# The files of the widget-free data library, listed once for the game's build and the fuzz build.
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/olteriasources.cmake")
set(OLTERIA_DATA_SOURCES)
olteria_sources(OLTERIA_DATA_SOURCES "${CMAKE_CURRENT_LIST_DIR}"
  actioninfo.h boundedfile commandline datalimits.h datalocation dataschema inifile kindtable.h logcategories
  monsterinfo.h numeric.h
  pictureloader ponyinfo.h scheduleline.h schedulereader soundfile textlanguage)
