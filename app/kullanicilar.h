#pragma once
// Users and their rights: password hashes, the login check against
// ELEMANLAR, and the rights rows a user gets per company.
#include "db/sorgu.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace Sifre {

// A password is stored as an Argon2id hash with its own random salt
// ("$argon2id$v=19$m=...,t=...,p=1$salt$hash"), never as typed. The typed
// text is taken as the login always compared it: trimmed, an apostrophe as a
// backtick. Empty on failure (out of memory).
QString ozetle(const QString &sifre);
// True when a stored value is a hash made by ozetle (else it is a password
// still kept in clear by an earlier release).
bool ozetMi(const QString &kayitli);
// Compares a typed password with a stored value, hashed or clear.
bool dogrula(const QString &kayitli, const QString &girilen);

} // namespace Sifre

namespace Kullanicilar {

// The login: the ELEMANLAR rows of the user name in KAYIT_NO order, the
// first whose password matches is the user (a Sonuc with that one row; no
// rows when none matches). A password that matched in clear, or a hash made
// with weaker settings than today's, is replaced by a new hash at once.
// nullopt on a database error (shown).
std::optional<Sorgu::Sonuc> girisBul(const QString &kullaniciAdi, const QString &sifre);

// True when a user with the code exists; nullopt on a database error.
std::optional<bool> kodVar(const QVariant &kullaniciKodu);

// Replaces the user's rights rows of a company: deletes them, then one row
// per MODULLER row (in the order read) with all eight flags "E" (tamYetki)
// or "H". Joins the caller's transaction, or runs in one of its own: the
// rows are replaced completely or not at all. Returns the rows written, -1
// on an error (shown unless hata is given).
int haklariOlustur(const QVariant &kullaniciKodu, const QString &sirketkodu, bool tamYetki,
                   QString *hata = nullptr);

// Deletes the user's rights rows of a company (joins the caller's transaction).
// The companies in which the user has rights rows, in order.
std::optional<QStringList> hakSirketleri(const QVariant &kullaniciKodu);
// Every rights row of the user, in every company (the user is deleted: a
// new user given the same code must not inherit them).
bool tumHaklariSil(const QVariant &kullaniciKodu, QString *hata = nullptr);
bool haklariSil(const QVariant &kullaniciKodu, const QString &sirketkodu, QString *hata = nullptr);

} // namespace Kullanicilar
