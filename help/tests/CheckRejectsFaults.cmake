# Shows that CheckHelpFile.cmake finds the faults it is there to find: it builds help files with
# faults put in on purpose and expects the check to fail naming each of them.
#   cmake -DPAGES=... -DACTION_TABLE=... -DTEXTS=... -DCHMCMD=... -DCHMLS=... -DICONV=... -DCHECK=... -DWORK=...
#         -P CheckRejectsFaults.cmake
cmake_minimum_required(VERSION 3.25)

set(failures 0)

# Runs the check on a help file made from the pages in folder `pages` and expects it to fail
# with every one of the texts that follow.
function(expect_rejected what chm pages)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHM=${chm} -DPAGES=${pages} -DACTION_TABLE=${ACTION_TABLE} -DTEXTS=${TEXTS}
                          -DCHMLS=${CHMLS} -DICONV=${ICONV} -DWORK=${WORK}/check -P ${CHECK}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(said "${out}${err}")
  if(rc EQUAL 0)
    message("not rejected: ${what}\n${said}")
    math(EXPR failures "${failures} + 1")
  endif()
  foreach(text IN LISTS ARGN)
    string(FIND "${said}" "${text}" at)
    if(at LESS 0)
      message("${what}: the check did not say \"${text}\". It said:\n${said}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

# Compiles the pages of folder `pages` into `chm`, converted to Shift-JIS unless `encoding` says
# otherwise.
function(compile pages encoding chm)
  set(stage ${WORK}/stage)
  file(REMOVE_RECURSE ${stage})
  file(MAKE_DIRECTORY ${stage})
  file(GLOB names RELATIVE ${pages} ${pages}/*)
  foreach(name IN LISTS names)
    execute_process(COMMAND ${ICONV} -f UTF-8 -t ${encoding} -o ${stage}/${name} ${pages}/${name}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cannot convert ${pages}/${name}")
    endif()
  endforeach()
  execute_process(COMMAND ${CHMCMD} vornalix.hhp WORKING_DIRECTORY ${stage}
                  OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "chmcmd failed on ${pages}")
  endif()
  file(COPY_FILE ${stage}/vornalix.chm ${chm})
endfunction()

# Replaces `old` by `new` in a page, which must contain it.
function(change page old new)
  file(READ ${page} text)
  string(FIND "${text}" "${old}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${page} does not contain ${old}: the fault cannot be put in")
  endif()
  string(REPLACE "${old}" "${new}" text "${text}")
  file(WRITE ${page} "${text}")
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# 1. A file that is no compiled help file.
expect_rejected("a project file taken for the help file" ${PAGES}/vornalix.hhp ${PAGES}
                "does not start with ITSF")

# 2. Pages that were not converted: the help file holds UTF-8.
compile(${PAGES} UTF-8 ${WORK}/utf8.chm)
expect_rejected("pages left in UTF-8" ${WORK}/utf8.chm ${PAGES}
                "index.htm in the help file is not Shift-JIS text")

# 3. A broken anchor, a wrong default shortcut, a command under the wrong category, a wrong
#    menu caption, two menu items out of order, and a page missing from the contents.
file(COPY ${PAGES}/ DESTINATION ${WORK}/faulty)
set(faulty ${WORK}/faulty)
change(${faulty}/jump.htm "href=\"find.htm\"" "href=\"find.htm#nowhere\"")
change(${faulty}/keys.htm "<td>Ctrl+F</td>" "<td>Ctrl+G</td>")
change(${faulty}/keys.htm "<h3 id=\"cat-others\">その他</h3>" "<h3 id=\"cat-others\">編集</h3>")
change(${faulty}/commands.htm "「コピー (<u>C</u>)」" "「コピー (<u>O</u>)」")
change(${faulty}/commands.htm
  "<tr><td>「前を検索 (<u>B</u>)」</td><td>Ctrl+B</td><td>同じバイト列を、入力位置より前へ検索します。</td></tr>"
  "")
change(${faulty}/commands.htm "<tr><td>「指定した位置に移動」"
  "<tr><td>「前を検索 (<u>B</u>)」</td><td>Ctrl+B</td><td>…</td></tr>\n<tr><td>「指定した位置に移動」")
change(${faulty}/vornalix.hhc "<param name=\"Local\" value=\"jump.htm\">" "<param name=\"Local\" value=\"jump.htm#dialog\">")
compile(${faulty} CP932 ${WORK}/faulty.chm)
expect_rejected("faulty pages" ${WORK}/faulty.chm ${faulty}
  "jump.htm links to find.htm#nowhere, but find.htm has no element with id=\"nowhere\""
  "keys.htm has no row \"検索 (&F)...\" | Ctrl+F"
  "keys.htm lists ActionOthersTab under <h3 id=\"cat-others\">編集</h3>, not under its category その他"
  "commands.htm does not describe \"コピー (<u>C</u>)\" (Ctrl+C)"
  "commands.htm does not describe \"置換 (<u>R</u>)...\" (Ctrl+R)"
  "the table of contents has no entry for jump.htm")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} faults went unnoticed by the check of the help file")
endif()
message(STATUS "The check of the help file rejects every fault put in")
