cmake_policy(SET CMP0057 NEW)
# Lays out the runnable folder beside Vodari.exe: books\ and sound\, the
# user guide 使用说明.htm with its pictures in guide\, and the licence.
# Run as: cmake -DSOURCE=<data folder> -DDEST=<folder of Vodari.exe> -P lay_out_app.cmake
#
# The books the user writes to (the two history books and the user's own
# dictionary) are copied only when missing, so rebuilding never wipes what
# the user recorded or added.
set(user_books "重点单词记录.txt" "曾经背记过的单词.txt" "用户自定义字典.txt")

file(MAKE_DIRECTORY "${DEST}/books" "${DEST}/sound")
file(GLOB books RELATIVE "${SOURCE}/books" "${SOURCE}/books/*.txt")
foreach(book IN LISTS books)
  if(book IN_LIST user_books AND EXISTS "${DEST}/books/${book}")
    continue()
  endif()
  file(COPY_FILE "${SOURCE}/books/${book}" "${DEST}/books/${book}" ONLY_IF_DIFFERENT)
endforeach()
file(GLOB sounds RELATIVE "${SOURCE}/sound" "${SOURCE}/sound/*.wav")
foreach(sound IN LISTS sounds)
  file(COPY_FILE "${SOURCE}/sound/${sound}" "${DEST}/sound/${sound}" ONLY_IF_DIFFERENT)
endforeach()

# The guide and the licence live at the top of the source tree, beside data/.
get_filename_component(top "${SOURCE}" DIRECTORY)
file(COPY_FILE "${top}/docs/使用说明.htm" "${DEST}/使用说明.htm" ONLY_IF_DIFFERENT)
file(MAKE_DIRECTORY "${DEST}/guide")
file(GLOB pictures RELATIVE "${top}/docs/guide" "${top}/docs/guide/*.png")
foreach(picture IN LISTS pictures)
  file(COPY_FILE "${top}/docs/guide/${picture}" "${DEST}/guide/${picture}" ONLY_IF_DIFFERENT)
endforeach()
# Windows users read the licence in Notepad: CR LF.
configure_file("${top}/LICENSE.txt" "${DEST}/LICENSE.txt" @ONLY NEWLINE_STYLE CRLF)
