#include "app/mesaj.h"

#include "db/hata.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextStream>

namespace {
KonsolMesaj konsolMesaj;
Mesaj *aktifMesaj = &konsolMesaj;
}

Mesaj::~Mesaj() = default;

Mesaj &Mesaj::aktif() { return *aktifMesaj; }

Mesaj *Mesaj::ayarla(Mesaj *yeni)
{
    Mesaj *eski = aktifMesaj;
    aktifMesaj = yeni ? yeni : &konsolMesaj;
    return eski;
}

void Mesaj::veriHatalariniBagla()
{
    VeriHatasi::ayarla([](VeriHatasi::Tur tur, const QString &metin, QWidget *ust) {
        if (tur == VeriHatasi::Tur::Hata)
            Mesaj::hata(metin, ust);
        else
            Mesaj::goster(metin, ust);
    });
}

static QString baslik() { return QStringLiteral("VELMORIKA"); }

void PencereMesaj::mesaj(Tur tur, const QString &metin, QWidget *ust)
{
    if (!ust)
        ust = QApplication::activeWindow();
    QMessageBox k(tur == Tur::Hata ? QMessageBox::Critical
                  : tur == Tur::Uyari ? QMessageBox::Warning
                                      : QMessageBox::Information,
                  baslik(), metin, QMessageBox::Ok, ust);
    k.setObjectName(QStringLiteral("mesaj_kutusu"));
    k.exec();
}

bool PencereMesaj::evetHayir(const QString &metin, QWidget *ust)
{
    if (!ust)
        ust = QApplication::activeWindow();
    QMessageBox k(QMessageBox::Question, baslik(), metin, QMessageBox::Yes | QMessageBox::No, ust);
    k.setObjectName(QStringLiteral("soru_kutusu"));
    k.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
    k.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
    k.setDefaultButton(QMessageBox::No);
    return k.exec() == QMessageBox::Yes;
}

std::optional<QString> PencereMesaj::girdiKutusu(const QString &b, const QString &etiket,
                                                 const QString &varsayilan, QWidget *ust)
{
    bool tamam = false;
    QString s = QInputDialog::getText(ust, b, etiket, QLineEdit::Normal, varsayilan, &tamam);
    if (!tamam)
        return std::nullopt;
    return s;
}

QString PencereMesaj::dosyaSec(bool kaydet, const QString &b, const QString &klasor,
                               const QString &filtre, QWidget *ust)
{
    return kaydet ? QFileDialog::getSaveFileName(ust, b, klasor, filtre)
                  : QFileDialog::getOpenFileName(ust, b, klasor, filtre);
}

void KonsolMesaj::mesaj(Tur, const QString &metin, QWidget *)
{
    QTextStream(stderr) << metin << Qt::endl;
}

bool KonsolMesaj::evetHayir(const QString &metin, QWidget *)
{
    QTextStream(stderr) << metin << " -> Hayır" << Qt::endl;
    return false;
}

std::optional<QString> KonsolMesaj::girdiKutusu(const QString &, const QString &, const QString &, QWidget *)
{
    return std::nullopt;
}

QString KonsolMesaj::dosyaSec(bool, const QString &, const QString &, const QString &, QWidget *)
{
    return QString();
}
