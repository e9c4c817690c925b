# Include directions of the program's folders. Run as
#   cmake -DKOK=<source tree> -P baglilik.cmake
# Fails, listing every offending line, when a file includes a header of a
# layer above its own or of another feature folder, or when the data layer
# includes a dialog.
#
# Layers, lowest first (a folder may include its own headers and those of
# the layers under it):
#   0 db             connection, schema, data set, SQL text
#   1 app            services: session, rights, Mesaj, record screens, registry
#   2 raporlar/motor report engine, templates, spreadsheets
#   3 hastalar klinik cari randevu raporlar   features: never each other
#   4 app/program    login, main window, command line, the screen list
if(NOT KOK)
  message(FATAL_ERROR "KOK (the source tree) is not given")
endif()

function(birim yol sonuc_ad sira_ad)
  set(_b "")
  set(_s -1)
  if(yol MATCHES "^app/program/")
    set(_b "app/program")
    set(_s 4)
  elseif(yol MATCHES "^raporlar/motor/")
    set(_b "raporlar/motor")
    set(_s 2)
  elseif(yol MATCHES "^app/")
    set(_b "app")
    set(_s 1)
  elseif(yol MATCHES "^db/")
    set(_b "db")
    set(_s 0)
  elseif(yol MATCHES "^(hastalar|klinik|cari|randevu|raporlar)/")
    set(_b "${CMAKE_MATCH_1}")
    set(_s 3)
  endif()
  set(${sonuc_ad} "${_b}" PARENT_SCOPE)
  set(${sira_ad} ${_s} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE dosyalar RELATIVE "${KOK}"
     "${KOK}/app/*.cpp" "${KOK}/app/*.h" "${KOK}/db/*.cpp" "${KOK}/db/*.h"
     "${KOK}/hastalar/*.cpp" "${KOK}/hastalar/*.h" "${KOK}/klinik/*.cpp" "${KOK}/klinik/*.h"
     "${KOK}/cari/*.cpp" "${KOK}/cari/*.h" "${KOK}/randevu/*.cpp" "${KOK}/randevu/*.h"
     "${KOK}/raporlar/*.cpp" "${KOK}/raporlar/*.h")
if(NOT dosyalar)
  message(FATAL_ERROR "No source files under ${KOK}")
endif()

set(hatalar "")
set(sayi 0)
foreach(d ${dosyalar})
  birim("${d}" kendi kendi_sira)
  file(STRINGS "${KOK}/${d}" satirlar REGEX "^[ \t]*#[ \t]*include")
  foreach(s ${satirlar})
    if(s MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(hedef "${CMAKE_MATCH_1}")
      if(NOT hedef MATCHES "/")
        continue() # a header beside the file (moc output and the like)
      endif()
      math(EXPR sayi "${sayi} + 1")
      birim("${hedef}" o o_sira)
      if(o STREQUAL "")
        continue() # not one of the program's folders
      endif()
      if(o STREQUAL kendi)
        continue()
      endif()
      if(o_sira GREATER_EQUAL kendi_sira)
        string(APPEND hatalar "  ${d}: ${hedef} (${kendi} may not include ${o})\n")
      endif()
    elseif(kendi STREQUAL "db" AND s MATCHES "<(QMessageBox|QDialog|QFileDialog|QInputDialog)>")
      string(APPEND hatalar "  ${d}: ${CMAKE_MATCH_1} (the data layer shows no window)\n")
    endif()
  endforeach()
endforeach()

if(hatalar)
  message(FATAL_ERROR "Includes against the layers:\n${hatalar}")
endif()
list(LENGTH dosyalar n)
message(STATUS "Include directions hold: ${n} files, ${sayi} includes of the program's folders")
