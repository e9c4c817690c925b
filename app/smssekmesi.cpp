#include "app/smssekmesi.h"

#include "app/ekranlar.h"

#include <utility>

namespace {
SmsSekmesiUretici &uretici()
{
    static SmsSekmesiUretici u;
    return u;
}
} // namespace

SmsSekmesiUretici SmsSekmesiUreticisiKaydet(SmsSekmesiUretici yeni)
{
    return std::exchange(uretici(), std::move(yeni));
}

QWidget *SmsSekmesiOlustur(const SmsSekmesiAyari &ayar, QWidget *ust)
{
    KayitlariHazirla();
    return uretici() ? uretici()(ayar, ust) : nullptr;
}
