# The include check must catch each kind of wrong include in a small tree
# made for it (tests/veri/baglilik) and let the right ones through.
#   cmake -DKONTROL=<baglilik.cmake> -DORNEK=<tree> -DQT_WIDGETS=<dir> -P baglilik_ornek.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DKOK=${ORNEK} -DQT_WIDGETS=${QT_WIDGETS} -P ${KONTROL}
                RESULT_VARIABLE rc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
if(rc EQUAL 0)
  message(FATAL_ERROR "The check passed a tree with wrong includes:\n${cikti}")
endif()
foreach(beklenen
    "db/pencere.cpp: QMessageBox"
    "db/yukari.cpp: app/mesaj.h"
    "hastalar/capraz.cpp: klinik/frm_notlar2.h"
    "klinik/program.cpp: app/program/frm_menu.h"
    "raporlar/motor/ozellik.cpp: hastalar/frm_hastalar.h"
    "hastalar/acili.cpp: klinik/frm_muayene.h"
    "cari/goreli.cpp: klinik/cariisleme.h"
    "db/gorsel.cpp: QtWidgets/QLineEdit"
    "db/ilerleme.cpp: QProgressDialog"
    "yeni/: a top-level folder"
    "app/yeniye.cpp: yeni/bir.h")
  string(FIND "${cikti}" "${beklenen}" yer)
  if(yer EQUAL -1)
    message(FATAL_ERROR "Not reported: ${beklenen}\n${cikti}")
  endif()
endforeach()
foreach(dogru "app/iyi.cpp" "app/program/iyi.cpp" "raporlar/motor/rapor.h" "db/tablomodeli.cpp" "carihesap.h")
  string(FIND "${cikti}" "${dogru}" yer)
  if(NOT yer EQUAL -1)
    message(FATAL_ERROR "Reported although allowed: ${dogru}\n${cikti}")
  endif()
endforeach()
message(STATUS "The include check catches the wrong includes of the sample tree")
