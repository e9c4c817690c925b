#pragma once
// Stand-in screens for the shell's tests: registered under real window
// names for the life of the object, they record how they were opened and
// close themselves at once. The previous registrations come back afterwards.
#include "app/ekranlar.h"

#include <QDialog>
#include <QHash>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

struct AcilanEkran
{
    QString ad;
    QString baslik;
    bool maksimum = false;
    QString sayfa;     // objectName of the front tab page, when there are pages
    QWidget *ust = nullptr;
};

class SahteEkranlar
{
public:
    explicit SahteEkranlar(const QStringList &adlar)
    {
        for (const QString &ad : adlar)
            m_eski.insert(ad, EkranKaydet(ad, [this, ad](QWidget *ust) { return yeni(ad, ust); }));
    }
    ~SahteEkranlar()
    {
        for (auto i = m_eski.cbegin(); i != m_eski.cend(); ++i)
            EkranKaydet(i.key(), i.value());
    }
    QStringList adlar() const
    {
        QStringList s;
        for (const AcilanEkran &a : acilanlar)
            s << a.ad;
        return s;
    }
    QList<AcilanEkran> acilanlar;

private:
    class Ekran : public QDialog
    {
    public:
        Ekran(SahteEkranlar *kayit, const QString &ad, QWidget *ust)
            : QDialog(ust), m_kayit(kayit), m_ad(ad)
        {
            setObjectName(ad);
            setWindowTitle(QStringLiteral("Sahte ") + ad);
            // The laboratory screen has pages; the last one is the eye page.
            if (ad == QLatin1String("frm_muayene_lab")) {
                m_sayfalar = new QTabWidget(this);
                for (int i = 1; i <= 4; ++i) {
                    auto *s = new QWidget;
                    s->setObjectName(QStringLiteral("TabSheet%1").arg(i));
                    m_sayfalar->addTab(s, QString::number(i));
                }
                (new QVBoxLayout(this))->addWidget(m_sayfalar);
            }
        }

    protected:
        void showEvent(QShowEvent *e) override
        {
            QDialog::showEvent(e);
            AcilanEkran a;
            a.ad = m_ad;
            a.baslik = windowTitle();
            a.maksimum = windowState() & Qt::WindowMaximized;
            a.sayfa = m_sayfalar ? m_sayfalar->currentWidget()->objectName() : QString();
            a.ust = parentWidget();
            m_kayit->acilanlar << a;
            QTimer::singleShot(0, this, &QDialog::accept);
        }

    private:
        SahteEkranlar *m_kayit;
        QString m_ad;
        QTabWidget *m_sayfalar = nullptr;
    };

    QDialog *yeni(const QString &ad, QWidget *ust) { return new Ekran(this, ad, ust); }

    QHash<QString, EkranUretici> m_eski;
};
