#pragma once
// The login context: filled at start-up and login, read everywhere afterwards.
#include <QString>
#include <array>

struct OturumKaydi
{
    QString datayeri;           // database location, the line of datayeri.txt
    QString sirketkodu;         // active company code
    QString kullanici_kodu;     // ELEMANLAR.KULLANICI_KODU as text ("3", not "3.0")
    QString username;           // short user name, written into KULLANICI columns
    QString kullaniciadisoyadi; // full name
    QString sirketunvani;
    QString sirketadresi;
    QString vdairesi;
    QString vno;
    // menuparametre1 … menuparametre10 (index 0 is menuparametre1)
    std::array<QString, 10> menuparametre;

    const QString &menuParametresi(int n) const { return menuparametre.at(n - 1); }
};

extern OturumKaydi Oturum;

// The company condition every company-owned query carries: " and sirketkodu ='2007'".
QString SirketKosulu();

// The hand-over record between screens: the opener sets, the opened screen
// reads when shown and clears its own values when it closes.
struct AktarimKaydi
{
    QString hasta_hastakodu;
    QString muayene_hastakodu;
    QString muayene_kayitno;
    QString muayene_doktorkodu;
    QString goz_hastakodu;
    QString goz_doktorkodu;
    QString goz_hastaadi;
    QString goz_doktoradi;
    QString cari_kod;
    QString cari_unvan;
    QString cari_doktoradi;
    int not_evrakkayitno = 0;
    QString not_evrakturu;
    QString not_hastakodu;
    QString not_hastaadi;
    int dosya_evrakkayitno = 0;
    QString dosya_evrakturu;
    QString resim_turu;
    QString resim_adi;
    QString rapor_sablonu;
    QString arama_hastaadi;
    QString arama_kayittarihi;
    QString lab_turu;
    QString lab_cagiran;
    QString gozarama_muayenetarihi;
};

extern AktarimKaydi Aktarim;

// Document kinds written into EVRAKTURU of notes and documents.
namespace EvrakTuru {
inline const QString Hasta = QStringLiteral("HASTA");
inline const QString Muayene = QStringLiteral("MUAYENE");
inline const QString Goz = QStringLiteral("GOZ");
inline const QString MuaLab = QStringLiteral("MUA_LAB");
inline const QString YIslem = QStringLiteral("Y_İŞLEM");
inline const QString Randevu = QStringLiteral("RANDEVU");
inline const QString CHareket = QStringLiteral("C.Hareket");
}
