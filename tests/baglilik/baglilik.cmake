# Include directions of the program's folders. Run as
#   cmake -DKOK=<source tree> -DQT_WIDGETS=<QtWidgets header folder> -P baglilik.cmake
# Fails, listing every offending line, when a file includes a header of a
# layer above its own or of another feature folder (however the include is
# written: "x/y.h", <x/y.h>, "../x/y.h"), when the data layer includes a
# widget outside its two widget-facing files (or a dialog anywhere), or when
# a top-level folder holds code without a place in the layers below.
#
# Layers, lowest first (a folder may include its own headers and those of
# the layers under it):
#   0 db             connection, schema, data set, SQL text
#   1 app            services: session, rights, Mesaj, record screens, registry
#   2 raporlar/motor report engine, templates, spreadsheets
#   3 hastalar klinik cari randevu raporlar   features: never each other
#   4 app/program    login, main window, command line, the screen list
# Outside the layers: tests/ and benchmarks/ (they may include anything).
if(NOT KOK)
  message(FATAL_ERROR "KOK (the source tree) is not given")
endif()
get_filename_component(KOK "${KOK}" ABSOLUTE)
if(NOT QT_WIDGETS OR NOT IS_DIRECTORY "${QT_WIDGETS}")
  message(FATAL_ERROR "QT_WIDGETS (the QtWidgets header folder) is not given or missing: ${QT_WIDGETS}")
endif()

set(katmanli app db hastalar klinik cari randevu raporlar)
set(katmansiz tests benchmarks scripts)
# The data layer's two views of a data set are widgets by nature (README).
set(db_pencereli "db/baglayici.cpp" "db/baglayici.h" "db/tablomodeli.cpp" "db/tablomodeli.h")

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

set(hatalar "")

# Every top-level folder with code is in the layers or outside them on
# purpose; a new one must be placed before it is used.
file(GLOB ustler RELATIVE "${KOK}" "${KOK}/*")
foreach(u ${ustler})
  if(NOT IS_DIRECTORY "${KOK}/${u}" OR u MATCHES "^\\." OR EXISTS "${KOK}/${u}/CMakeCache.txt")
    continue() # a file, a hidden folder, a build tree
  endif()
  list(FIND katmanli "${u}" k)
  list(FIND katmansiz "${u}" s)
  if(k EQUAL -1 AND s EQUAL -1)
    file(GLOB_RECURSE kod "${KOK}/${u}/*.cpp" "${KOK}/${u}/*.h")
    if(kod)
      string(APPEND hatalar "  ${u}/: a top-level folder with code that has no place in the layers\n")
    endif()
  endif()
endforeach()

file(GLOB pencere_basliklari RELATIVE "${QT_WIDGETS}" "${QT_WIDGETS}/Q*")

set(desenler "")
foreach(k ${katmanli})
  list(APPEND desenler "${KOK}/${k}/*.cpp" "${KOK}/${k}/*.h")
endforeach()
file(GLOB_RECURSE dosyalar RELATIVE "${KOK}" ${desenler})
if(NOT dosyalar)
  message(FATAL_ERROR "No source files under ${KOK}")
endif()

foreach(d ${dosyalar})
  birim("${d}" kendi kendi_sira)
  get_filename_component(klasor "${d}" DIRECTORY)
  file(STRINGS "${KOK}/${d}" satirlar REGEX "^[ \t]*#[ \t]*include")
  foreach(s ${satirlar})
    if(NOT s MATCHES "#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
      continue()
    endif()
    set(tirnak "${CMAKE_MATCH_1}")
    set(hedef "${CMAKE_MATCH_2}")

    # A Qt widget (or any dialog) in the data layer.
    if(kendi STREQUAL "db" AND tirnak STREQUAL "<")
      string(REGEX REPLACE "^QtWidgets/" "" ad "${hedef}")
      list(FIND db_pencereli "${d}" pencereli)
      list(FIND pencere_basliklari "${ad}" pencere)
      if(ad MATCHES "^(QMessageBox|Q[A-Za-z]*Dialog)$")
        string(APPEND hatalar "  ${d}: ${hedef} (the data layer shows no window)\n")
        continue()
      elseif((NOT pencere EQUAL -1 OR hedef MATCHES "^QtWidgets/") AND pencereli EQUAL -1)
        string(APPEND hatalar "  ${d}: ${hedef} (a widget in the data layer outside its two views)\n")
        continue()
      endif()
    endif()

    # The header the include names, as a path from the source root: a
    # relative one from the including file's folder, a plain name beside it.
    if(hedef MATCHES "^\\.\\.?/")
      get_filename_component(tam "${KOK}/${klasor}/${hedef}" ABSOLUTE)
      file(RELATIVE_PATH hedef "${KOK}" "${tam}")
      if(hedef MATCHES "^\\.\\./")
        string(APPEND hatalar "  ${d}: ${s} (outside the source tree)\n")
        continue()
      endif()
    elseif(NOT hedef MATCHES "/")
      continue() # a header beside the file (moc output), or a library's
    endif()
    string(REGEX MATCH "^[^/]+" ust "${hedef}")
    if(NOT IS_DIRECTORY "${KOK}/${ust}")
      continue() # not one of this tree's folders (<QtCore/QString>, <sodium/...>)
    endif()
    birim("${hedef}" o o_sira)
    if(o STREQUAL "")
      string(APPEND hatalar "  ${d}: ${hedef} (${ust}/ is outside the layers)\n")
      continue()
    endif()
    if(o STREQUAL kendi)
      continue()
    endif()
    if(o_sira GREATER_EQUAL kendi_sira)
      string(APPEND hatalar "  ${d}: ${hedef} (${kendi} may not include ${o})\n")
    endif()
  endforeach()
endforeach()

if(hatalar)
  message(FATAL_ERROR "Includes against the layers:\n${hatalar}")
endif()
