# Builds the two deliverables of a release from the program's three files:
#   Quillet-<version>-x64.msi            the installer
#   Quillet-<version>-x64-portable.zip   the same files and a short readme, in a folder of their own
#
#   cmake -DBIN=... -DOUT=... -DWXS=... -DREADME=... -DICON=... -DUPGRADE_CODE=...
#         -DWINDRES=... -DWIXL=... -DMSIBUILD=... -DICONV=... -P BuildPackage.cmake
#
# BIN holds vornalix.exe, talvine.dll and vornalix.chm. The product name, version and publisher
# are read from vornalix.exe's version resource, so they are written in one place only: the
# resource script the program is built from.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/VersionResource.cmake)

set(files vornalix.exe talvine.dll vornalix.chm)
foreach(name IN LISTS files)
  if(NOT EXISTS "${BIN}/${name}")
    message(FATAL_ERROR "${BIN}/${name} is missing: build the program and its help first")
  endif()
endforeach()

read_version_resource("${WINDRES}" "${BIN}/vornalix.exe" program)
read_version_resource("${WINDRES}" "${BIN}/talvine.dll" control)
if(NOT program_ProductVersion STREQUAL control_ProductVersion)
  message(FATAL_ERROR "vornalix.exe is version ${program_ProductVersion} but talvine.dll is "
                      "${control_ProductVersion}: the two files of a release come from one build")
endif()
msi_version("${program_ProductVersion}" version)
# One product code per version: a rebuilt package of the same version is the same product.
string(UUID product_code NAMESPACE "${UPGRADE_CODE}" NAME "${version}" TYPE SHA1 UPPER)

set(base "Quillet-${version}-x64")
set(work "${OUT}/.work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
file(GLOB old "${OUT}/Quillet-*.msi" "${OUT}/Quillet-*.zip")
if(old)
  file(REMOVE ${old})
endif()

# --- The installer ------------------------------------------------------------------------------
# wixl takes its sources by names relative to its working folder only.
file(MAKE_DIRECTORY "${work}/msi")
foreach(name IN LISTS files)
  file(COPY_FILE "${BIN}/${name}" "${work}/msi/${name}")
endforeach()
file(COPY_FILE "${ICON}" "${work}/msi/vornalix.ico")
# wixl stores the string table in the code page of WINDOWS_LANGUAGE (without it the Japanese texts
# crash it), but marks the table as the installing system's code page; msibuild then marks it 932.
# It also writes the HKMU root as 4 instead of -1, gives the property-setting custom actions the
# no-impersonation flag (2048) that belongs to deferred actions only, and names language 1033 in
# the summary.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
          ${WIXL} -a x64 -o "${work}/${base}.msi"
          -D "ProductName=${program_ProductName}" -D "Manufacturer=${program_CompanyName}"
          -D "Description=${program_FileDescription}" -D "Version=${version}"
          -D "ProductCode=${product_code}" -D "UpgradeCode=${UPGRADE_CODE}"
          "${WXS}"
  WORKING_DIRECTORY "${work}/msi" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT EXISTS "${work}/${base}.msi")
  message(FATAL_ERROR "wixl failed (${rc}):\n${out}")
endif()
file(WRITE "${work}/_ForceCodepage.idt" "\r\n\r\n932\t_ForceCodepage\r\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
          ${MSIBUILD} "${work}/${base}.msi"
          -i "${work}/_ForceCodepage.idt"
          -q "UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4"
          -q "UPDATE `CustomAction` SET `Type` = 51 WHERE `Type` = 2099"
          -s "${program_ProductName}" "${program_CompanyName}" "x64;1041"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "msibuild failed (${rc}):\n${out}")
endif()

# --- The portable archive -----------------------------------------------------------------------
set(folder "${work}/Quillet-${version}")
file(MAKE_DIRECTORY "${folder}")
foreach(name IN LISTS files)
  file(COPY_FILE "${BIN}/${name}" "${folder}/${name}")
endforeach()
# The readme is read with Notepad on a Japanese Windows: Shift-JIS with CR LF line ends.
file(READ "${README}" readme)
string(REPLACE "@PRODUCT@" "${program_ProductName}" readme "${readme}")
string(REPLACE "@VERSION@" "${version}" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE "${work}/README.utf8" "${readme}")
execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 -o "${folder}/README.txt" "${work}/README.utf8"
                RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the portable readme does not convert to Shift-JIS:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${base}-portable.zip" --format=zip "Quillet-${version}"
                WORKING_DIRECTORY "${work}" RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the portable archive could not be made:\n${out}")
endif()

# Moved out only once both are made, so the folder never holds one without the other.
file(RENAME "${work}/${base}.msi" "${OUT}/${base}.msi")
file(RENAME "${work}/${base}-portable.zip" "${OUT}/${base}-portable.zip")
file(REMOVE_RECURSE "${work}")
message(STATUS "${OUT}/${base}.msi")
message(STATUS "${OUT}/${base}-portable.zip")
