#pragma once
// The six report screens differ only in data: their table, their filter
// criteria (in the order the listing appends them), their sort list, their
// templates and their lookups. One RaporTanimi per screen.
#include <QString>
#include <QStringList>
#include <QVector>

enum class KriterTuru {
    TarihAraligi, // from / to date boxes
    Aralik,       // from / to boxes, compared in the column's own type
    Metin,        // one box, exact; with icindeki, a "İçindeki Kelime" box beside it
    Liste,        // a drop-down list of fixed values
    Telefon       // "Cep Telefonu Olanları Getir"
};

struct RaporKriteri
{
    QString baslik;
    KriterTuru tur;
    QString kolon;             // a column of the screen's table
    bool icindeki = false;     // contains-search available
    QStringList secenekler;    // Liste
    QString arama;             // lookup window filling the box(es); empty: none
    QString aramaKolonu;       // the lookup's column copied into the box(es)
    QString aramaIpucu;        // the lookup button's hint
};

struct RaporTanimi
{
    QString ekran;             // window name
    QString baslik;            // caption
    QString tablo;             // main table
    QVector<RaporKriteri> kriterler;
    QStringList siralama;      // sort list as offered (checked against the table on the screen)
    QStringList sablonlar;     // the three named templates
    QString grupSablonu;
    bool grupToplami = false;  // the group query also sums UCRETI (tGeneltoplam)
    QString telefonKolonu;     // SMS tab's phone column; empty: no SMS tab
    bool telefonOlduguGibi = false;
    bool gosterilinceDurumSor = false;
    // Extra entries under " Özel Raporlar": caption and template.
    QVector<QPair<QString, QString>> ekSablonlar;
};

const QVector<RaporTanimi> &RaporTanimlari();
const RaporTanimi *RaporTanimiBul(const QString &ekran);
