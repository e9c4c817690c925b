// "Veri Al": patient cards read from a spreadsheet into the patient list.
#include "hastalar/frm_hastalar.h"

#include "app/mesaj.h"
#include "app/yetki.h"
#include "db/veriseti.h"
#include "hastalar/hastaaktarim.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QApplication>
#include <QProgressDialog>

#include <memory>

void Tfrm_hastalar::veriAl()
{
    const QString dosya = Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), TabloOkuyucu::dosyaFiltresi(), this);
    if (dosya.isEmpty())
        return;
    veriAl(dosya);
}

void Tfrm_hastalar::veriAl(const QString &dosya)
{
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return;
    }
    // The rights first: the rows are written in transactions, where no
    // refusal may open its message box.
    if (!IslemIzni(yetkiler().YENIKAYIT, this) || !IslemIzni(yetkiler().KAYIT, this))
        return;
    // New rows of the import must not pull the focus to the name box one by one.
    m_aktarimda = true;
    // Made on the first row, not before: the import may first ask whether to
    // skip rows of an earlier run, and a progress window must not cover that.
    std::unique_ptr<QProgressDialog> ilerleme;
    const HastaAktarimSonucu s = HastaAktarim::aktar(
        dosya, *vs,
        [this, &ilerleme](int satir, int toplam) {
            if (!ilerleme) {
                ilerleme = std::make_unique<QProgressDialog>(QStringLiteral("Hasta kartları aktarılıyor..."),
                                                             QStringLiteral("İptal"), 0, toplam, this);
                ilerleme->setObjectName(QStringLiteral("aktarimIlerleme"));
                ilerleme->setWindowTitle(QStringLiteral("Veri Al"));
                ilerleme->setWindowModality(Qt::WindowModal);
                ilerleme->setMinimumDuration(300);
                QApplication::setOverrideCursor(Qt::WaitCursor);
            }
            if (ilerleme->maximum() != toplam)
                ilerleme->setMaximum(toplam);
            ilerleme->setValue(satir - 1);
            QApplication::processEvents();
            return !ilerleme->wasCanceled();
        },
        this);
    if (ilerleme) {
        ilerleme->reset();
        QApplication::restoreOverrideCursor();
    }
    m_aktarimda = false;
    if (kilitliMi())
        ekranikilitle(); // the import's rows are saved: the screen is back in browse
    Mesaj::goster(s.mesaj, this);
}
