#include "app/program/frm_hesapmakinesi.h"

#include "app/gorunum.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString hataMetni = QStringLiteral("Sıfıra bölünemez");
constexpr int enCokHane = 15;
}

QString HesapMakinesi::bicimle(double d)
{
    if (!std::isfinite(d))
        return hataMetni;
    if (d == 0)
        d = 0; // no "-0"
    QString s = QString::number(d, 'g', 12);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

double HesapMakinesi::deger() const
{
    QString s = m_gosterge;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s.toDouble();
}

void HesapMakinesi::hataMi()
{
    // After an error the next key starts afresh.
    if (m_hata)
        temizle();
}

void HesapMakinesi::rakam(int r)
{
    hataMi();
    if (m_yeni) {
        m_gosterge = QStringLiteral("0");
        m_yeni = false;
    }
    int hane = 0;
    for (QChar c : m_gosterge)
        hane += c.isDigit();
    if (hane >= enCokHane)
        return;
    if (m_gosterge == QLatin1String("0"))
        m_gosterge = QString::number(r);
    else if (m_gosterge == QLatin1String("-0"))
        m_gosterge = QStringLiteral("-") + QString::number(r);
    else
        m_gosterge += QString::number(r);
}

void HesapMakinesi::virgul()
{
    hataMi();
    if (m_yeni) {
        m_gosterge = QStringLiteral("0,");
        m_yeni = false;
        return;
    }
    if (!m_gosterge.contains(QLatin1Char(',')))
        m_gosterge += QLatin1Char(',');
}

void HesapMakinesi::hesapla()
{
    const double b = deger();
    double s = m_birikim;
    switch (m_islem.unicode()) {
    case '+': s = m_birikim + b; break;
    case '-': s = m_birikim - b; break;
    case '*': s = m_birikim * b; break;
    case '/':
        if (b == 0) {
            m_gosterge = hataMetni;
            m_hata = true;
            m_islem = QChar();
            m_yeni = true;
            return;
        }
        s = m_birikim / b;
        break;
    default: s = b; break;
    }
    m_birikim = s;
    m_gosterge = bicimle(s);
}

void HesapMakinesi::islem(QChar yeni)
{
    if (m_hata)
        return;
    if (!m_islem.isNull() && !m_yeni)
        hesapla();
    else if (m_islem.isNull())
        m_birikim = deger();
    if (m_hata)
        return;
    m_islem = yeni;
    m_yeni = true;
}

void HesapMakinesi::esittir()
{
    if (m_hata || m_islem.isNull()) {
        m_yeni = true;
        return;
    }
    hesapla();
    m_islem = QChar();
    m_yeni = true;
}

void HesapMakinesi::temizle()
{
    m_gosterge = QStringLiteral("0");
    m_birikim = 0;
    m_islem = QChar();
    m_yeni = true;
    m_hata = false;
}

void HesapMakinesi::sil()
{
    if (m_hata) {
        temizle();
        return;
    }
    if (m_yeni)
        return;
    m_gosterge.chop(1);
    if (m_gosterge.isEmpty() || m_gosterge == QLatin1String("-"))
        m_gosterge = QStringLiteral("0");
}

void HesapMakinesi::isaret()
{
    if (m_hata)
        return;
    if (m_gosterge.startsWith(QLatin1Char('-')))
        m_gosterge.remove(0, 1);
    else if (m_gosterge != QLatin1String("0"))
        m_gosterge.prepend(QLatin1Char('-'));
    if (m_yeni) {
        // Changing the sign of a result makes it the number being typed.
        m_yeni = false;
        if (m_islem.isNull())
            m_birikim = deger();
    }
}

Tfrm_hesapmakinesi::Tfrm_hesapmakinesi(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_hesapmakinesi"));
    setWindowTitle(QStringLiteral("HESAP MAKINESI"));
    setWindowIcon(Gorunum::Ikon(Gorunum::Simge::Hesap, 32));
    setStyleSheet(QStringLiteral(
        "QDialog { background: #e9eff2; }"
        "QLineEdit#edt_ekran { background: #f7fbf2; color: #1d2b22; border: 1px solid #9aa9a0; border-radius: 4px;"
        " font-size: 22pt; padding: 6px; }"
        "QPushButton { font-size: 13pt; min-height: 38px; border-radius: 5px; border: 1px solid #aab7be;"
        " background: #ffffff; }"
        "QPushButton:pressed { background: #d0dde3; }"
        "QPushButton[tur=\"islem\"] { background: #dbe9f0; color: #0f3d56; font-weight: bold; }"
        "QPushButton[tur=\"esit\"] { background: #176b87; color: white; font-weight: bold; }"
        "QPushButton[tur=\"temizle\"] { background: #f4dcdc; color: #8a1f1f; font-weight: bold; }"));

    m_ekran = new QLineEdit(QStringLiteral("0"), this);
    m_ekran->setObjectName(QStringLiteral("edt_ekran"));
    m_ekran->setReadOnly(true);
    m_ekran->setAlignment(Qt::AlignRight);
    m_ekran->setFocusPolicy(Qt::NoFocus);

    struct Tus { const char *ad; const char *yazi; const char *tur; int satir, sutun; };
    static const Tus tuslar[] = {
        {"btn_temizle", "C", "temizle", 0, 0}, {"btn_sil", "←", "islem", 0, 1}, {"btn_isaret", "±", "islem", 0, 2},
        {"btn_bol", "÷", "islem", 0, 3},
        {"btn_7", "7", "", 1, 0}, {"btn_8", "8", "", 1, 1}, {"btn_9", "9", "", 1, 2}, {"btn_carp", "×", "islem", 1, 3},
        {"btn_4", "4", "", 2, 0}, {"btn_5", "5", "", 2, 1}, {"btn_6", "6", "", 2, 2}, {"btn_cikar", "−", "islem", 2, 3},
        {"btn_1", "1", "", 3, 0}, {"btn_2", "2", "", 3, 1}, {"btn_3", "3", "", 3, 2}, {"btn_topla", "+", "islem", 3, 3},
        {"btn_0", "0", "", 4, 0}, {"btn_virgul", ",", "", 4, 2}, {"btn_esit", "=", "esit", 4, 3},
    };
    auto *izgara = new QGridLayout;
    izgara->setSpacing(6);
    for (const Tus &t : tuslar) {
        auto *b = new QPushButton(QString::fromUtf8(t.yazi), this);
        b->setObjectName(QLatin1String(t.ad));
        b->setProperty("tur", QLatin1String(t.tur));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const QString yazi = QString::fromUtf8(t.yazi);
        connect(b, &QPushButton::clicked, this, [this, yazi] { tus(yazi); });
        izgara->addWidget(b, t.satir, t.sutun, 1, QLatin1String(t.ad) == QLatin1String("btn_0") ? 2 : 1);
    }
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(12, 12, 12, 12);
    l->addWidget(m_ekran);
    l->addSpacing(6);
    l->addLayout(izgara, 1);
    resize(320, 400);
}

void Tfrm_hesapmakinesi::tus(const QString &t)
{
    const QChar c = t.at(0);
    if (c.isDigit())
        m_hesap.rakam(c.digitValue());
    else if (t == QLatin1String(","))
        m_hesap.virgul();
    else if (t == QLatin1String("+"))
        m_hesap.islem(QLatin1Char('+'));
    else if (t == QStringLiteral("−"))
        m_hesap.islem(QLatin1Char('-'));
    else if (t == QStringLiteral("×"))
        m_hesap.islem(QLatin1Char('*'));
    else if (t == QStringLiteral("÷"))
        m_hesap.islem(QLatin1Char('/'));
    else if (t == QLatin1String("="))
        m_hesap.esittir();
    else if (t == QLatin1String("C"))
        m_hesap.temizle();
    else if (t == QStringLiteral("←"))
        m_hesap.sil();
    else if (t == QStringLiteral("±"))
        m_hesap.isaret();
    guncelle();
}

void Tfrm_hesapmakinesi::guncelle() { m_ekran->setText(m_hesap.ekran()); }

void Tfrm_hesapmakinesi::keyPressEvent(QKeyEvent *e)
{
    const QString t = e->text();
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Equal:
        return tus(QStringLiteral("="));
    case Qt::Key_Backspace:
        return tus(QStringLiteral("←"));
    case Qt::Key_Delete:
        return tus(QStringLiteral("C"));
    default:
        break;
    }
    if (t.size() == 1) {
        const QChar c = t.at(0);
        if (c.isDigit())
            return tus(t);
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            return tus(QStringLiteral(","));
        if (c == QLatin1Char('+'))
            return tus(t);
        if (c == QLatin1Char('-'))
            return tus(QStringLiteral("−"));
        if (c == QLatin1Char('*') || c == QLatin1Char('x') || c == QLatin1Char('X'))
            return tus(QStringLiteral("×"));
        if (c == QLatin1Char('/'))
            return tus(QStringLiteral("÷"));
        if (c == QLatin1Char('c') || c == QLatin1Char('C'))
            return tus(QStringLiteral("C"));
    }
    QDialog::keyPressEvent(e); // Esc closes the window
}
