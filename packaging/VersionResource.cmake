# Reading a built program's version resource, the one place the product's name, version and
# publisher are written (app/win/vornalix.rc, core/win/talvine.rc).

# Sets <prefix>_<Name> in the caller for each string of the file's version resource
# (CompanyName, FileDescription, ProductName, ProductVersion, ...), read back with windres.
function(read_version_resource windres file prefix)
  execute_process(COMMAND ${windres} -i "${file}" -O rc
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE error)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "windres cannot read the resources of ${file}:\n${error}")
  endif()
  string(REGEX MATCHALL "VALUE \"[A-Za-z]+\", \"[^\"\n]*\"" values "${text}")
  foreach(value IN LISTS values)
    string(REGEX MATCH "VALUE \"([A-Za-z]+)\", \"([^\"\n]*)\"" _ "${value}")
    set(${prefix}_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    set(found_${CMAKE_MATCH_1} TRUE)
  endforeach()
  foreach(name CompanyName FileDescription ProductName ProductVersion)
    if(NOT found_${name})
      message(FATAL_ERROR "the version resource of ${file} has no ${name}")
    endif()
  endforeach()
endfunction()

# The installer's form of a resource version ("1, 0, 2, 0" -> "1.0.2.0"): four numbers, the
# first two below 256 and the third below 65536, as Windows Installer compares them.
function(msi_version text out)
  string(REGEX REPLACE " *[,.] *" "." version "${text}")
  string(STRIP "${version}" version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$"
     OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
    message(FATAL_ERROR "the product version \"${text}\" is not one Windows Installer can compare")
  endif()
  set(${out} "${version}" PARENT_SCOPE)
endfunction()
