#include "raporlar/motor/raporonizleme.h"

#include "app/mesaj.h"
#include "raporlar/motor/tabloaktar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QPushButton *dugme(QWidget *ust, const char *ad, const QString &metin, const QString &ipucu = QString())
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(QString::fromLatin1(ad));
    b->setToolTip(ipucu);
    b->setAutoDefault(false);
    return b;
}

} // namespace

RaporBelgesi RaporHazirla(Rapor &rapor, QWidget *ust)
{
    const int satir = rapor.kaynak() ? rapor.kaynak()->satirSayisi() : 0;
    if (satir < 3000)
        return rapor.olustur();
    QProgressDialog ilerleme(QStringLiteral("Rapor hazırlanıyor..."), QStringLiteral("Vazgeç"), 0, satir, ust);
    ilerleme.setObjectName(QStringLiteral("dlg_rapor_ilerleme"));
    ilerleme.setWindowModality(Qt::WindowModal);
    ilerleme.setMinimumDuration(300);
    return rapor.olustur([&](int yapilan, int toplam) {
        ilerleme.setMaximum(toplam);
        ilerleme.setValue(yapilan);
        return !ilerleme.wasCanceled();
    });
}

RaporOnizleme::RaporOnizleme(Rapor &rapor, QWidget *ust)
    : QDialog(ust), m_rapor(rapor)
{
    setObjectName(QStringLiteral("frm_onizleme"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto *kok = new QVBoxLayout(this);
    auto *arac = new QHBoxLayout;
    kok->addLayout(arac);

    auto *btnIlk = dugme(this, "btn_ilk", QStringLiteral("|<"), QStringLiteral("İlk sayfa"));
    auto *btnOnceki = dugme(this, "btn_onceki", QStringLiteral("<"), QStringLiteral("Önceki sayfa"));
    m_spnSayfa = new QSpinBox(this);
    m_spnSayfa->setObjectName(QStringLiteral("spn_sayfa"));
    m_lblSayfaSayisi = new QLabel(this);
    m_lblSayfaSayisi->setObjectName(QStringLiteral("lbl_sayfasayisi"));
    auto *btnSonraki = dugme(this, "btn_sonraki", QStringLiteral(">"), QStringLiteral("Sonraki sayfa"));
    auto *btnSon = dugme(this, "btn_son", QStringLiteral(">|"), QStringLiteral("Son sayfa"));
    m_cmbYakinlik = new QComboBox(this);
    m_cmbYakinlik->setObjectName(QStringLiteral("cmb_yakinlik"));
    for (int y : {50, 75, 100, 125, 150, 200, 300})
        m_cmbYakinlik->addItem(QStringLiteral("%") + QString::number(y), y / 100.0);
    m_cmbYakinlik->setCurrentIndex(2);
    m_edtBul = new QLineEdit(this);
    m_edtBul->setObjectName(QStringLiteral("edt_bul"));
    m_edtBul->setPlaceholderText(QStringLiteral("Aranacak metin"));
    auto *btnBul = dugme(this, "btn_bul", QStringLiteral("Bul"));
    auto *btnYazdir = m_btnYazdir = dugme(this, "btn_yazdir", QStringLiteral("Yazdır"));
    auto *btnPdf = m_btnPdf = dugme(this, "btn_pdf", QStringLiteral("PDF Kaydet"));
    auto *btnYukle = dugme(this, "btn_yukle", QStringLiteral("Şablon Yükle"));
    auto *btnYardim = dugme(this, "btn_yardim", QStringLiteral("Yardım"));
    auto *btnKapat = dugme(this, "btn_kapat", QStringLiteral("Kapat"));
    for (QWidget *w : std::initializer_list<QWidget *>{btnIlk, btnOnceki, m_spnSayfa, m_lblSayfaSayisi, btnSonraki,
                                                       btnSon, m_cmbYakinlik, m_edtBul, btnBul, btnYazdir, btnPdf,
                                                       btnYukle, btnYardim, btnKapat})
        arac->addWidget(w);
    arac->addStretch();

    m_alan = new QScrollArea(this);
    m_alan->setObjectName(QStringLiteral("scr_sayfa"));
    m_alan->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_alan->setBackgroundRole(QPalette::Dark);
    m_resim = new QLabel;
    m_resim->setObjectName(QStringLiteral("lbl_sayfa"));
    m_alan->setWidget(m_resim);
    kok->addWidget(m_alan, 1);

    connect(btnIlk, &QPushButton::clicked, this, [this] { sayfayaGit(0); });
    connect(btnOnceki, &QPushButton::clicked, this, [this] { sayfayaGit(m_sayfa - 1); });
    connect(btnSonraki, &QPushButton::clicked, this, [this] { sayfayaGit(m_sayfa + 1); });
    connect(btnSon, &QPushButton::clicked, this, [this] { sayfayaGit(m_belge.sayfaSayisi() - 1); });
    connect(m_spnSayfa, &QSpinBox::valueChanged, this, [this](int s) { sayfayaGit(s - 1); });
    connect(m_cmbYakinlik, &QComboBox::currentIndexChanged, this,
            [this](int) { yakinlikAyarla(m_cmbYakinlik->currentData().toDouble()); });
    connect(m_edtBul, &QLineEdit::returnPressed, this, &RaporOnizleme::bulTikla);
    connect(btnBul, &QPushButton::clicked, this, &RaporOnizleme::bulTikla);
    connect(btnYazdir, &QPushButton::clicked, this, &RaporOnizleme::yazdir);
    connect(btnPdf, &QPushButton::clicked, this, &RaporOnizleme::pdfKaydetSor);
    connect(btnYukle, &QPushButton::clicked, this, &RaporOnizleme::sablonYukleSor);
    connect(btnYardim, &QPushButton::clicked, this, &RaporOnizleme::yardim);
    connect(btnKapat, &QPushButton::clicked, this, &QDialog::reject);
    // Keys of the usual viewers.
    auto kisayol = [this](const QKeySequence &k, auto f) {
        auto *s = new QShortcut(k, this);
        connect(s, &QShortcut::activated, this, f);
    };
    kisayol(QKeySequence(Qt::Key_PageDown), [this] { sayfayaGit(m_sayfa + 1); });
    kisayol(QKeySequence(Qt::Key_PageUp), [this] { sayfayaGit(m_sayfa - 1); });
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { sayfayaGit(0); });
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { sayfayaGit(m_belge.sayfaSayisi() - 1); });
    kisayol(QKeySequence::Find, [this] { m_edtBul->setFocus(); m_edtBul->selectAll(); });
    kisayol(QKeySequence::FindNext, [this] { bulTikla(); });
    kisayol(QKeySequence::Print, [this] { yazdir(); });
    kisayol(QKeySequence::ZoomIn, [this] { m_cmbYakinlik->setCurrentIndex(std::min(m_cmbYakinlik->currentIndex() + 1, m_cmbYakinlik->count() - 1)); });
    kisayol(QKeySequence::ZoomOut, [this] { m_cmbYakinlik->setCurrentIndex(std::max(m_cmbYakinlik->currentIndex() - 1, 0)); });

    if (QScreen *ekran = QApplication::primaryScreen()) {
        const QRect r = ekran->availableGeometry();
        resize(std::min(r.width() - 40, 1100), r.height() - 60);
    }
    yenidenDiz();
}

void RaporOnizleme::yenidenDiz()
{
    m_belge = RaporHazirla(m_rapor, this);
    setWindowTitle(m_rapor.baslik().isEmpty() ? QStringLiteral("Rapor Önizleme") : m_rapor.baslik());
    m_sayfa = 0;
    m_aramaSayfasi = -1;
    m_spnSayfa->blockSignals(true);
    m_spnSayfa->setRange(1, std::max(1, m_belge.sayfaSayisi()));
    m_spnSayfa->setValue(1);
    m_spnSayfa->blockSignals(false);
    m_lblSayfaSayisi->setText(QStringLiteral("/ %1").arg(m_belge.sayfaSayisi()));
    m_btnYazdir->setEnabled(!m_belge.iptal);
    m_btnPdf->setEnabled(!m_belge.iptal);
    ciz();
    // Warnings once per layout: the report is still shown, with marks.
    if (!m_belge.iptal && !m_belge.uyarilar.isEmpty())
        Mesaj::goster(m_belge.uyarilar.join(QLatin1Char('\n')), this);
}

void RaporOnizleme::ciz()
{
    if (m_belge.bosMu()) {
        m_resim->clear();
        if (m_belge.iptal) {
            m_resim->setText(QStringLiteral("İptal edildi"));
            m_resim->adjustSize();
        }
        return;
    }
    const qreal oran = devicePixelRatioF();
    const int dpi = qRound(96 * m_yakinlik * oran);
    QImage resim = Rapor::sayfaResmi(m_belge, m_sayfa, dpi);
    if (!m_aranan.isEmpty()) {
        // Draw the page again with the hits marked.
        resim.fill(Qt::white);
        QPainter p(&resim);
        RaporSayfasiCiz(p, m_belge.sayfalar[m_sayfa], dpi / 25.4, m_aranan);
    }
    resim.setDevicePixelRatio(oran);
    m_resim->setPixmap(QPixmap::fromImage(resim));
    m_resim->resize(resim.size() / oran);
}

void RaporOnizleme::sayfayaGit(int sayfa)
{
    if (m_belge.bosMu())
        return;
    sayfa = std::clamp(sayfa, 0, m_belge.sayfaSayisi() - 1);
    if (sayfa == m_sayfa && !m_resim->pixmap().isNull())
        return;
    m_sayfa = sayfa;
    m_spnSayfa->blockSignals(true);
    m_spnSayfa->setValue(sayfa + 1);
    m_spnSayfa->blockSignals(false);
    ciz();
    m_alan->verticalScrollBar()->setValue(0);
}

void RaporOnizleme::yakinlikAyarla(qreal oran)
{
    if (oran <= 0)
        return;
    m_yakinlik = std::clamp<qreal>(oran, 0.25, 4);
    ciz();
}

bool RaporOnizleme::bul(const QString &metin)
{
    const QString aranan = metin.trimmed();
    if (aranan.isEmpty())
        return false;
    if (aranan != m_aranan)
        m_aramaSayfasi = m_sayfa - 1;
    m_aranan = aranan;
    const int n = m_belge.sayfaSayisi();
    for (int i = 1; i <= n; ++i) {
        const int s = (m_aramaSayfasi + i + n) % n;
        for (const auto &o : m_belge.sayfalar[s].ogeler) {
            if (o.tur == NesneTuru::Metin && RaporMetniIcerir(o.metin, aranan)) {
                m_aramaSayfasi = s;
                m_sayfa = -1;
                sayfayaGit(s);
                return true;
            }
        }
    }
    m_aranan.clear();
    ciz();
    return false;
}

void RaporOnizleme::bulTikla()
{
    if (m_edtBul->text().trimmed().isEmpty())
        return;
    if (!bul(m_edtBul->text()))
        Mesaj::goster(QStringLiteral("Aranan metin bulunamadı: ") + m_edtBul->text().trimmed(), this);
}

void RaporOnizleme::yaziciHazirla(QPrinter &yazici) const
{
    // The title may be a template's full path: as the document name the
    // print dialog would put it under the working folder once more.
    QString ad = QFileInfo(m_belge.baslik).completeBaseName();
    ad.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (ad.trimmed().isEmpty())
        ad = QStringLiteral("rapor");
    yazici.setDocName(ad);
    if (!QPrinterInfo::availablePrinters().isEmpty())
        return;
    const QDir klasor(TabloAktar::klasor());
    QString dosya = klasor.filePath(ad + QStringLiteral(".pdf"));
    for (int i = 2; QFileInfo::exists(dosya); ++i)
        dosya = klasor.filePath(QStringLiteral("%1-%2.pdf").arg(ad).arg(i));
    yazici.setOutputFormat(QPrinter::PdfFormat);
    yazici.setOutputFileName(dosya);
}

void RaporOnizleme::yazdir()
{
    if (m_belge.bosMu() || m_belge.iptal)
        return;
    QPrinter yazici(QPrinter::HighResolution);
    yaziciHazirla(yazici);
    QPrintDialog dlg(&yazici, this);
    dlg.setObjectName(QStringLiteral("dlg_yazdir"));
    dlg.setWindowTitle(QStringLiteral("Yazdır"));
    dlg.setMinMax(1, m_belge.sayfaSayisi());
    if (dlg.exec() != QDialog::Accepted)
        return;
    int ilk = 0, son = m_belge.sayfaSayisi() - 1;
    if (yazici.printRange() == QPrinter::PageRange) {
        ilk = yazici.fromPage() - 1;
        son = yazici.toPage() - 1;
    } else if (yazici.printRange() == QPrinter::CurrentPage) {
        ilk = son = m_sayfa;
    }
    if (!Rapor::yazdir(m_belge, yazici, ilk, son)) {
        Mesaj::hata(QStringLiteral("Yazıcıya gönderilemedi."), this);
        return;
    }
    // Printed to a file: say where it is, or the user is left looking for it.
    if (yazici.outputFormat() == QPrinter::PdfFormat && !yazici.outputFileName().isEmpty())
        Mesaj::goster(QStringLiteral("Rapor PDF dosyasına yazıldı: %1").arg(QDir::toNativeSeparators(yazici.outputFileName())),
                      this);
}

bool RaporOnizleme::pdfKaydet(const QString &yol)
{
    if (m_belge.iptal)
        return false;
    QProgressDialog ilerleme(QStringLiteral("PDF yazılıyor..."), QStringLiteral("Vazgeç"), 0,
                             m_belge.sayfaSayisi(), this);
    ilerleme.setWindowModality(Qt::WindowModal);
    ilerleme.setMinimumDuration(500);
    QString hata;
    const bool tamam = Rapor::pdfYaz(m_belge, yol, &hata, [&](int yapilan, int) {
        ilerleme.setValue(yapilan);
        return !ilerleme.wasCanceled();
    });
    ilerleme.reset();
    if (!tamam && !ilerleme.wasCanceled())
        Mesaj::hata(hata, this);
    return tamam;
}

void RaporOnizleme::pdfKaydetSor()
{
    if (m_belge.iptal)
        return;
    QString ad = QFileInfo(m_belge.baslik).completeBaseName();
    if (ad.isEmpty())
        ad = QStringLiteral("rapor");
    QString yol = Mesaj::dosyaKaydet(QStringLiteral("PDF Olarak Kaydet"),
                                     QDir(TabloAktar::klasor()).filePath(ad + QStringLiteral(".pdf")),
                                     QStringLiteral("PDF dosyaları (*.pdf)"), this);
    if (yol.isEmpty())
        return;
    if (QFileInfo(yol).suffix().isEmpty())
        yol += QStringLiteral(".pdf");
    if (pdfKaydet(yol))
        Mesaj::goster(QStringLiteral("PDF dosyası kaydedildi: %1").arg(QDir::toNativeSeparators(QFileInfo(yol).absoluteFilePath())),
                      this);
}

bool RaporOnizleme::sablonYukle(const QString &yol)
{
    if (!m_rapor.yukle(yol, this))
        return false;
    m_rapor.baslikAyarla(QFileInfo(m_rapor.sablonYolu()).fileName());
    m_aranan.clear();
    yenidenDiz();
    return true;
}

void RaporOnizleme::sablonYukleSor()
{
    const QString klasor = m_rapor.sablonYolu().isEmpty() ? KendiSablonKlasoru()
                                                          : QFileInfo(m_rapor.sablonYolu()).absolutePath();
    const QString yol = Mesaj::dosyaAc(QStringLiteral("Rapor Şablonu Yükle"), klasor,
                                       QStringLiteral("Rapor şablonları (*.frf)"), this);
    if (!yol.isEmpty())
        sablonYukle(yol);
}

void RaporOnizleme::yardim()
{
    Mesaj::goster(QStringLiteral("Sayfalar arasında oklarla ya da sayfa numarasıyla geçilir; büyütme oranı "
                                 "listeden seçilir.\n\"Bul\" yazılan metni sonraki sayfalarda arar ve "
                                 "bulduğu yerleri sarıyla işaretler.\n\"Yazdır\" yazıcı penceresini açar, "
                                 "\"PDF Kaydet\" raporu PDF dosyası olarak saklar, \"Şablon Yükle\" aynı "
                                 "verileri başka bir şablonla gösterir."),
                  this);
}

std::function<void(Rapor &, QWidget *)> Rapor::onizlemeYerine;

void Rapor::onizle(QWidget *ust)
{
    if (onizlemeYerine) {
        onizlemeYerine(*this, ust);
        return;
    }
    RaporOnizleme pencere(*this, ust);
    pencere.exec();
}

void RaporOnizle(const QString &sablonYolu, const VeriKaynagi &kaynak, QWidget *ust, const QString &baslik)
{
    Rapor rapor;
    rapor.baglan(&kaynak);
    if (!rapor.yukle(sablonYolu, ust))
        return;
    rapor.baslikAyarla(baslik.isEmpty() ? QFileInfo(rapor.sablonYolu()).fileName() : baslik);
    rapor.onizle(ust);
}
