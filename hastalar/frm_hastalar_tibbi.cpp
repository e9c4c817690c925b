// "Tıbbi Bilgi", the third tab of the patient screen's edit area: the
// medical history memos, two to a row.
#include "hastalar/frm_hastalar.h"
#include "hastalar/frm_hastalar_ic.h"

#include "db/baglayici.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace HastaEkrani;

void Tfrm_hastalar::tibbiBilgiSekmesiKur()
{
    Baglayici *b = baglayici();
    auto *tibbi = new QWidget;
    tibbi->setObjectName(QStringLiteral("ts_tibbibilgi"));
    auto *tg = new QGridLayout(tibbi);
    int ti = 0;
    for (const auto &[ad, kolon, baslik] :
         {std::tuple{"mem_gecirdigihastaliklar", "GECIRDIGIHASTALIKLAR", "Genel Hikayesi"},
          std::tuple{"mem_gecirdigiameliyatlar", "GECIRDIGIAMELIYATLAR", "Gecirdiği Operasyonlar"},
          std::tuple{"mem_kullandigiilaclar", "KULLANDIGIILACLAR", "Sürekli Kullandığı İlaclar"},
          std::tuple{"mem_aciklamalar", "ACIKLAMALAR", "Acıklamalar"},
          std::tuple{"mem_ailegecmisi", "AILEGECMISI", "Aile Geçmişi"}}) {
        auto *m = memo(QString::fromUtf8(ad), 60);
        b->bagla(m, QString::fromUtf8(kolon));
        auto *etiket = new QLabel(QString::fromUtf8(baslik));
        etiket->setBuddy(m); // messages name the memo by it
        tg->addWidget(etiket, (ti / 2) * 2, ti % 2);
        tg->addWidget(m, (ti / 2) * 2 + 1, ti % 2);
        ++ti;
    }
    m_sekmeler->addTab(tibbi, QStringLiteral("Tıbbi Bilgi"));
}
