# The files of the widget-free data library, listed once for the game's build and the fuzz build.
set(OLTERIA_DATA_SOURCES
    actioninfo.h
    commandline.cpp commandline.h
    datalocation.cpp datalocation.h
    dataschema.cpp dataschema.h
    inifile.cpp inifile.h
    kindtable.h
    monsterinfo.h
    numeric.h
    pictureloader.cpp pictureloader.h
    ponyinfo.h
    scheduleline.h
    schedulereader.cpp schedulereader.h
    soundfile.cpp soundfile.h)
list(TRANSFORM OLTERIA_DATA_SOURCES PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
