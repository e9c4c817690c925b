// File dialogs start where the user last found that kind of file, else in
// the data root; an explicit folder is kept; a bare file name to save under
// goes into that start folder.
#include "destek/betikmesaj.h"

#include "app/mesaj.h"
#include "app/verikoku.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestMesaj : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dosyaKlasorleri();

private:
    QTemporaryDir m_kok;
};

void TestMesaj::init()
{
    qputenv("VELMORIKA_KOK", m_kok.path().toUtf8());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"), QStringLiteral("velmorika"))
        .clear();
}

void TestMesaj::dosyaKlasorleri()
{
    const QString excel = QStringLiteral("Excel (*.xlsx *.xls)");
    const QString resim = QStringLiteral("JPEG (*.jpg)");
    QTemporaryDir belgeler;
    QVERIFY(QDir().mkpath(belgeler.filePath(QStringLiteral("hastalar"))));
    const QString kok = VeriKoku();

    BetikMesaj m;
    // Nothing chosen yet: the data root.
    m.dosyalar << belgeler.filePath(QStringLiteral("hastalar/liste.xlsx"));
    QCOMPARE(Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), excel), belgeler.filePath(QStringLiteral("hastalar/liste.xlsx")));
    // The same kind again: where the last one was found.
    Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), excel);
    // Another kind: still the data root.
    Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QString(), resim);
    // A cancelled dialog remembers nothing; an explicit folder is kept.
    Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QStringLiteral("/tmp"), resim);
    // A file name to save under goes into the start folder of its kind.
    Mesaj::dosyaKaydet(QStringLiteral("Kaydet"), QStringLiteral("rapor.xlsx"), excel);
    QCOMPARE(m.dosyaKlasorleri,
             (QStringList{kok, belgeler.filePath(QStringLiteral("hastalar")), kok, QStringLiteral("/tmp"),
                          belgeler.filePath(QStringLiteral("hastalar/rapor.xlsx"))}));
}

QTEST_MAIN(TestMesaj)
#include "tst_mesaj.moc"
