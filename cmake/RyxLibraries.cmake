# ryx_collect_libraries(<file> <support dir> <var>): appends to <var> the
# libraries whose headers <file> includes, following includes of local
# headers (beside the file or under <support dir>). Folders of src/ map to
# their library group, the simulator's headers to ryxsimlib, and Qt headers
# (<QtSerialPort/...>) to their Qt module.
function(ryx_collect_libraries file support_dir out_var)
  set(libs ${${out_var}})
  get_filename_component(dir ${file} DIRECTORY)
  file(STRINGS ${file} qt_includes REGEX "^#include <Qt[A-Za-z]+/")
  foreach(line ${qt_includes})
    string(REGEX REPLACE "^#include <Qt([A-Za-z]+)/.*" "Qt6::\\1" module "${line}")
    list(APPEND libs ${module})
  endforeach()
  file(STRINGS ${file} includes REGEX "^#include \"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" inc "${line}")
    if(EXISTS ${dir}/${inc} AND NOT IS_DIRECTORY ${dir}/${inc})
      ryx_collect_libraries(${dir}/${inc} ${support_dir} libs)
    elseif(EXISTS ${support_dir}/${inc})
      ryx_collect_libraries(${support_dir}/${inc} ${support_dir} libs)
    elseif(inc MATCHES "^(core|database|model|comm|dialogs)/")
      list(APPEND libs ryxbase)
    elseif(inc MATCHES "^(devices|plugins|io|stations)/")
      list(APPEND libs ryxdevices)
    elseif(inc MATCHES "^app/")
      list(APPEND libs ryxapp)
    elseif(inc MATCHES "^Sim[A-Za-z]*\\.h$")
      list(APPEND libs ryxsimlib)
    endif()
  endforeach()
  list(REMOVE_DUPLICATES libs)
  set(${out_var} ${libs} PARENT_SCOPE)
endfunction()

