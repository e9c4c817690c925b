// The examination screen's order lines (tab "Laboratuvar"): each line is
// saved on its own and the examination's laboratory total and postings follow
// at once; and the two printed forms, the laboratory form and the
// examination card.
#include "klinik/frm_muayene.h"

#include "app/aramapenceresi.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/yetki.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "klinik/cariisleme.h"
#include "klinik/muayenesatirlari.h"
#include "klinik/tetkiksatirlari.h"
#include "raporlar/motor/rapor.h"

#include <QComboBox>
#include <QTableView>

using CariIsleme::Kaynak;

namespace {
const QString KaydetMesaji = QStringLiteral("Önce İşlemi Kaydetmelisiniz ! ");
}

// An order line hangs on a saved examination: a new one that is not saved
// yet would leave orphans when it is cancelled. Typed changes of the
// examination are saved (and posted) first, so that the totals the line
// brings are not written under a row being edited.
bool Tfrm_muayene::muayeneKaydedilmisMi(bool mesajla)
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return false;
    if (vs->durum() == VeriSeti::Durum::Ekle) {
        if (mesajla)
            Mesaj::goster(KaydetMesaji, this);
        return false;
    }
    if (vs->durum() == VeriSeti::Durum::Duzenle) {
        if (!vs->kaydet())
            return false;
        muayeneyiYenile();
    }
    return vs->anahtar() > 0;
}

void Tfrm_muayene::tetkikleriYukle()
{
    if (m_lab->duzenleniyorMu())
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle) {
        m_lab->kapat();
        return;
    }
    m_lab->selectMetniAyarla(QStringLiteral("select * from MUAYENE_LAB where 1=1 ") + QStringLiteral(" and MUAYENENO =")
                             + SqlQuote(QString::number(vs->anahtar())) + QStringLiteral(" and sirketkodu =")
                             + SqlQuote(Oturum.sirketkodu) + QStringLiteral(" and HASTAKODU =")
                             + SqlQuote(vs->metin(QStringLiteral("HASTAKODU"))) + QStringLiteral(" and ")
                             + CariIsleme::kaynakKosulu(Kaynak::Genel) + QStringLiteral(" order by MUAYENE_LAB.kayitno "));
    if (m_lab->ac())
        m_lab->kesinKayitSayisi();
}

bool Tfrm_muayene::tetkikKaydetmedenOnce()
{
    if (!muayeneKaydedilmisMi(true))
        return false;
    TetkikSatirlari::payHesapla(*m_lab);
    return true;
}


bool Tfrm_muayene::tetkikEkle()
{
    if (kilitliMi() || !muayeneKaydedilmisMi(true))
        return false;
    if (!m_lab->acikMi())
        tetkikleriYukle();
    if (!m_lab->acikMi() || !m_lab->ekle())
        return false;
    if (!m_tetkikAramaAcik)
        tetkikBul();
    return true;
}

void Tfrm_muayene::tetkikBul()
{
    if (m_tetkikAramaAcik || kilitliMi() || !muayeneKaydedilmisMi(true))
        return;
    if (!m_lab->acikMi())
        tetkikleriYukle();
    const QString grup = m_grup->currentText().trimmed();
    if (!grup.isEmpty())
        Aktarim.lab_turu = grup;
    Aktarim.lab_cagiran = QStringLiteral("muayene");
    m_tetkikAramaAcik = true;
    QVariantMap tetkik;
    {
        AramaPenceresi d(QStringLiteral("frm_labarama"), this);
        if (d.calistir() != QLatin1String("-1"))
            for (const QString &k : TetkikSatirlari::tetkikKolonlari(true))
                tetkik.insert(k, d.deger(k));
    }
    m_tetkikAramaAcik = false;
    Aktarim.lab_cagiran.clear();
    if (tetkik.isEmpty())
        return; // a pending line stays as it was
    if (m_lab->durum() != VeriSeti::Durum::Ekle) {
        if (m_lab->bosMu() ? !m_lab->ekle() : !m_lab->duzenle())
            return;
    }
    TetkikSatirlari::tetkikKopyala(*m_lab, tetkik, true);
    m_lab->kaydet();
    if (auto *g = findChild<QTableView *>(QStringLiteral("DBGrid2")))
        g->setFocus();
}

bool Tfrm_muayene::tetkikAktar(const QVariantMap &tetkik)
{
    // The line the navigator started and the lookup was opened for takes the
    // first test; the others are appended.
    const bool bekleyenBos = m_lab->durum() == VeriSeti::Durum::Ekle
                             && m_lab->deger(QStringLiteral("TETKIKADI")).isNull()
                             && m_lab->deger(QStringLiteral("TETKIKKODU")).isNull();
    if (!bekleyenBos) {
        if (!m_lab->acikMi())
            tetkikleriYukle();
        if (!m_lab->acikMi() || !m_lab->ekle())
            return false;
    }
    TetkikSatirlari::tetkikKopyala(*m_lab, tetkik, false);
    return m_lab->kaydet();
}

void Tfrm_muayene::tetkikSil()
{
    if (kilitliMi() || !m_lab->acikMi() || m_lab->bosMu())
        return;
    if (m_lab->durum() == VeriSeti::Durum::Ekle) {
        m_lab->iptal();
        return;
    }
    if (!Mesaj::soru(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "), this))
        return;
    if (!muayeneKaydedilmisMi(true))
        return;
    if (m_lab->durum() == VeriSeti::Durum::Duzenle)
        m_lab->iptal();
    // The line goes together with its debit and share.
    MuayeneSatirlari::satirSil(*m_lab, MuayeneSatirlari::ayar(CariIsleme::SatirTuru::Laboratuvar), Kaynak::Genel,
                               veriSeti()->anahtar(), this);
    muayeneyiYenile();
}

// ---------------------------------------------------------------- printed forms

void Tfrm_muayene::laboratuvarFormu()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    if (m_lab->duzenleniyorMu() && !m_lab->kaydet())
        return;
    m_lab->selectMetniAyarla(MuayeneSatirlari::formSelecti(MuayeneSatirlari::ayar(CariIsleme::SatirTuru::Laboratuvar),
                                                           vs->metin(QStringLiteral("HASTAKODU")), vs->anahtar(),
                                                           Kaynak::Genel)
                             + QStringLiteral(" order by MUAYENE_lab.turu"));
    if (m_lab->ac()) {
        VeriSetiKaynagi kaynak(*m_lab);
        Rapor r;
        r.baglan(&kaynak);
        if (r.yukle(QStringLiteral("laboratuvarformu.frf"), this)) {
            r.baslikAyarla(QStringLiteral("laboratuvarformu.frf"));
            r.onizle(this);
        }
    }
    tetkikleriYukle();
}

void Tfrm_muayene::muayeneFisi()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->duzenleniyorMu())
        return;
    const QString kod = vs->metin(QStringLiteral("HASTAKODU"));
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    // Every examination of the patient (that this user may see), the patient's row above them.
    listeyiYukle(QStringLiteral(" and hastakodu =") + SqlQuote(kod) + QStringLiteral(" order by muayene.muayenetarihi, "
                                                                                    "muayene.kayitno"));
    m_hasta->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 ") + QStringLiteral(" and hastakodu =")
                               + SqlQuote(kod) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                               + QStringLiteral(" order by hastalar.hastakodu"));
    if (m_hasta->ac() && vs->acikMi()) {
        vs->kesinKayitSayisi();
        std::unique_ptr<VeriKaynagi> hasta;
        if (m_hasta->bosMu()) // a patient card that is gone: its code and name from the examination
            hasta = std::make_unique<SatirKaynagi>(
                QVariantMap{{QStringLiteral("HASTAKODU"), kod}, {QStringLiteral("HASTAADISOYADI"), ad}});
        else
            hasta = std::make_unique<VeriSetiKaynagi>(*m_hasta);
        auto muayeneler = std::make_shared<VeriSetiKaynagi>(*vs);
        Rapor r;
        r.baglan(hasta.get());
        r.altKaynakAyarla([muayeneler](int) { return muayeneler; });
        if (r.yukle(QStringLiteral("MUAYENEKARTI.frf"), this)) {
            r.baslikAyarla(QStringLiteral("MUAYENEKARTI.frf"));
            r.onizle(this);
        }
    }
    m_hasta->kapat();
    // Afterwards every examination of the company (that this user may see), the first one current.
    listeyiYukle(QStringLiteral(" "));
}
