#include "raporlar/motor/tabloxlsx.h"

#if defined(__GLIBC__)
#include <dlfcn.h>
#endif

namespace {

struct Yukleme
{
    TabloXlsx t{};
    bool hazir = false;
    QString hata;
};

Yukleme yukle()
{
    Yukleme y;
#if defined(__GLIBC__)
    void *h = dlmopen(LM_ID_NEWLM, "libxlsxwriter.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        y.hata = QStringLiteral("Excel yazma kütüphanesi (libxlsxwriter) yüklenemedi: ") + QString::fromLocal8Bit(dlerror());
        return y;
    }
    bool eksik = false;
    auto al = [&](auto &hedef, const char *ad) {
        hedef = reinterpret_cast<std::remove_reference_t<decltype(hedef)>>(dlsym(h, ad));
        if (!hedef)
            eksik = true;
    };
#define TABLO_AL(ad) al(y.t.ad, #ad)
#else
    bool eksik = false;
#define TABLO_AL(ad) y.t.ad = &::ad
#endif
    TABLO_AL(workbook_new_opt);
    TABLO_AL(workbook_add_worksheet);
    TABLO_AL(workbook_add_format);
    TABLO_AL(workbook_close);
    TABLO_AL(lxw_workbook_free);
    TABLO_AL(format_set_bold);
    TABLO_AL(format_set_num_format);
    TABLO_AL(worksheet_set_column);
    TABLO_AL(worksheet_write_string);
    TABLO_AL(worksheet_write_number);
    TABLO_AL(worksheet_write_boolean);
    TABLO_AL(worksheet_write_datetime);
    TABLO_AL(lxw_strerror);
#undef TABLO_AL
    if (eksik) {
        y.hata = QStringLiteral("Excel yazma kütüphanesi (libxlsxwriter) beklenen işlevleri içermiyor.");
        return y;
    }
    y.hazir = true;
    return y;
}

} // namespace

const TabloXlsx *TabloXlsxKutuphanesi(QString *hata)
{
    static const Yukleme y = yukle();
    if (!y.hazir) {
        if (hata)
            *hata = y.hata;
        return nullptr;
    }
    return &y.t;
}
