#include "app/ekranlar.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/yetki.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QHash>
#include <QPointer>

namespace {

std::function<void()> &kayitIslemi()
{
    static std::function<void()> f;
    return f;
}

struct Kayitlar
{
    QHash<QString, EkranUretici> ekranlar;
    QHash<QString, EylemIslemi> eylemler;
};

Kayitlar &kayitlar()
{
    static Kayitlar k;
    KayitlariHazirla();
    return k;
}

std::function<void()> &cikisIslemi()
{
    static std::function<void()> f = [] { QCoreApplication::exit(0); };
    return f;
}

const QString hazirDegil = QStringLiteral("Bu ekran henüz hazır değil");

} // namespace

void KayitIslemiAyarla(std::function<void()> kaydet) { kayitIslemi() = std::move(kaydet); }

void KayitlariHazirla()
{
    static bool calisti = false;
    if (calisti || !kayitIslemi())
        return;
    calisti = true;
    kayitIslemi()();
}

EkranUretici EkranKaydet(const QString &ekranAdi, EkranUretici uretici)
{
    auto &h = kayitlar().ekranlar;
    EkranUretici eski = h.value(ekranAdi);
    if (uretici)
        h.insert(ekranAdi, std::move(uretici));
    else
        h.remove(ekranAdi);
    return eski;
}

EylemIslemi EylemKaydet(const QString &ad, EylemIslemi islem)
{
    auto &h = kayitlar().eylemler;
    EylemIslemi eski = h.value(ad);
    if (islem)
        h.insert(ad, std::move(islem));
    else
        h.remove(ad);
    return eski;
}

bool EkranVar(const QString &ekranAdi) { return kayitlar().ekranlar.contains(ekranAdi); }

QDialog *EkranOlustur(const QString &ekranAdi, QWidget *ust)
{
    const EkranUretici u = kayitlar().ekranlar.value(ekranAdi);
    return u ? u(ust) : nullptr;
}

bool EkranAc(const QString &ekranAdi, QWidget *ust, bool maksimum, const QString &baslik,
             const std::function<void(QDialog *)> &hazirla)
{
    QPointer<QDialog> ekran = EkranOlustur(ekranAdi, ust);
    if (!ekran) {
        Mesaj::goster(hazirDegil, ust);
        return false;
    }
    if (!baslik.isEmpty())
        ekran->setWindowTitle(baslik);
    if (hazirla)
        hazirla(ekran);
    if (maksimum)
        ekran->setWindowState(ekran->windowState() | Qt::WindowMaximized);
    ekran->setWindowModality(Qt::ApplicationModal);
    ekran->exec();
    delete ekran.data(); // null when the screen deleted itself
    return true;
}

bool EylemCalistir(const QString &ad, QWidget *ust)
{
    const EylemIslemi e = kayitlar().eylemler.value(ad);
    if (!e) {
        Mesaj::goster(hazirDegil, ust);
        return false;
    }
    e(ust);
    return true;
}

QString HizliAcEkrani(const QString &moduladi)
{
    static const QHash<QString, QString> tablo = {
        {QStringLiteral("HASTALAR"), QStringLiteral("frm_hastalar")},
        {QStringLiteral("MUAYENE"), QStringLiteral("frm_muayene")},
        {QStringLiteral("RANDEVU"), QStringLiteral("frm_randevu")},
        {QStringLiteral("LABORATUVAR"), QStringLiteral("frm_muayene_lab")},
        {QStringLiteral("TANILAR"), QStringLiteral("frm_tanilar")},
        {QStringLiteral("TETKİKLER"), QStringLiteral("frm_laboratuvarlar")},
        {QStringLiteral("KULLANICILAR"), QStringLiteral("frm_kullanici")},
        {QStringLiteral("MODULLER"), QStringLiteral("frm_module")},
        {QStringLiteral("VERİ KONTROL"), QStringLiteral("frm_select")},
    };
    return tablo.value(moduladi);
}

void HizliAc(const QString &ad, QWidget *ust, const QString &baglanti)
{
    if (ad == QLatin1String("Kapat")) {
        ProgramiSonlandir();
        return;
    }
    // The empty line of a quick menu looks up Null, finds nothing and is refused.
    if (!GirisIzni(ad, ust, baglanti))
        return;
    const QString ekran = HizliAcEkrani(ad);
    if (!ekran.isEmpty())
        EkranAc(ekran, ust);
}

void ProgramiSonlandir()
{
    const auto pencereler = QApplication::topLevelWidgets();
    for (QWidget *w : pencereler)
        if (w->objectName() == QLatin1String("frm_menu"))
            QMetaObject::invokeMethod(w, "sorusuzKapat", Qt::DirectConnection);
    for (QWidget *w : pencereler)
        if (w->objectName() == QLatin1String("frmLogin"))
            w->close();
    if (cikisIslemi())
        cikisIslemi()();
}

std::function<void()> ProgramCikisiAyarla(std::function<void()> cikis)
{
    std::function<void()> eski = cikisIslemi();
    cikisIslemi() = std::move(cikis);
    return eski;
}
