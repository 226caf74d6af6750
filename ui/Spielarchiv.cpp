// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Spielarchiv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>

namespace {

// Another copy of the game holds the lock only while it writes one game: a few milliseconds.
constexpr int LockWarten = 10000;

} // namespace

QJsonObject SpielEintrag::AlsJson() const
{
    return QJsonObject{
        {QStringLiteral("modus"), Modus},         {QStringLiteral("farben"), Farben},
        {QStringLiteral("felder"), Felder},       {QStringLiteral("zeilen"), Zeilen},
        {QStringLiteral("ergebnis"), Ergebnis},   {QStringLiteral("zeit"), Zeit.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("computerFrech"), Frech}, {QStringLiteral("starkerComputer"), Stark}};
}

Spielarchiv::Spielarchiv(const QString& datei) : Pfad(datei) {}

void Spielarchiv::Sagen(const QString& text, bool nurEinmal)
{
    if (nurEinmal) {
        if (SpeichernGemeldet)
            return;
        SpeichernGemeldet = true;
    }
    Offen += (Offen.isEmpty() ? QString() : QStringLiteral("\n\n")) + text;
}

QString Spielarchiv::Meldung()
{
    return std::exchange(Offen, QString());
}

Spielarchiv::Lesen Spielarchiv::Einlesen(QJsonArray& spiele)
{
    spiele = {};
    QFile datei(Pfad);
    if (!datei.exists())
        return Lesen::Fehlt;
    if (!datei.open(QIODevice::ReadOnly))
        return Lesen::Unlesbar;
    QJsonParseError fehler{};
    const QJsonDocument dokument = QJsonDocument::fromJson(datei.readAll(), &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        return Lesen::Kaputt;
    const QJsonObject wurzel = dokument.object();
    const QJsonValue version = wurzel.value(QStringLiteral("version"));
    // A newer program may have changed anything else, so its version is looked at first.
    if (version.isDouble() && version.toDouble() > Version)
        return Lesen::Neuer;
    if (!version.isDouble() || version.toDouble() != Version || !wurzel.value(QStringLiteral("spiele")).isArray())
        return Lesen::Kaputt;
    spiele = wurzel.value(QStringLiteral("spiele")).toArray();
    return Lesen::Gut;
}

QString Spielarchiv::BeiseiteLegen(const char* art)
{
    const QString stamm = Pfad + QLatin1Char('.') + QLatin1String(art) + QLatin1Char('-') +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ziel = stamm;
    for (int nummer = 2; QFileInfo::exists(ziel); ++nummer)
        ziel = stamm + QLatin1Char('-') + QString::number(nummer);
    return QFile::rename(Pfad, ziel) ? ziel : QString();
}

QString Spielarchiv::KaputteBeiseiteLegen()
{
    const QString kopie = BeiseiteLegen("kaputt");
    if (!kopie.isEmpty())
        Sagen(QCoreApplication::translate(
                  "Spielarchiv",
                  "Die Aufzeichnung der Spiele war nicht lesbar. Sie ist unverändert aufbewahrt unter\n%1\n"
                  "Eine neue Aufzeichnung wird begonnen.")
                  .arg(QDir::toNativeSeparators(kopie)),
              false);
    return kopie;
}

QJsonArray Spielarchiv::Laden()
{
    QLockFile sperre(Pfad + QStringLiteral(".lock"));
    // Without the lock (a read-only folder) the file is only read; moving it aside waits for a run
    // that may write.
    const bool gesperrt = sperre.tryLock(LockWarten);
    QJsonArray spiele;
    if (Einlesen(spiele) == Lesen::Kaputt && gesperrt)
        KaputteBeiseiteLegen();
    return spiele;
}

bool Spielarchiv::Hinzufuegen(const SpielEintrag& eintrag)
{
    const QString ordner = QFileInfo(Pfad).absolutePath();
    auto nichtGespeichert = [this, &ordner](const QString& grund) {
        Sagen(QCoreApplication::translate(
                  "Spielarchiv", "Die Ergebnisse können nicht gespeichert werden (%1: %2). Das Spiel geht weiter.")
                  .arg(QDir::toNativeSeparators(ordner), grund),
              true);
        return false;
    };
    if (!QDir().mkpath(ordner))
        return nichtGespeichert(QCoreApplication::translate("Spielarchiv", "der Ordner lässt sich nicht anlegen"));
    QLockFile sperre(Pfad + QStringLiteral(".lock"));
    if (!sperre.tryLock(LockWarten))
        return nichtGespeichert(sperre.error() == QLockFile::LockFailedError
                                    ? QCoreApplication::translate("Spielarchiv", "ein anderes Farbenrater schreibt")
                                    : QCoreApplication::translate("Spielarchiv", "kein Schreibrecht"));
    QJsonArray spiele;
    switch (Einlesen(spiele)) {
    case Lesen::Neuer:
        if (!SpeichernGemeldet) {
            SpeichernGemeldet = true;
            Sagen(QCoreApplication::translate(
                      "Spielarchiv",
                      "Die Aufzeichnung der Spiele\n%1\nstammt von einer neueren Fassung von Farbenrater. Sie "
                      "bleibt unverändert; die Ergebnisse werden nicht gespeichert.")
                      .arg(QDir::toNativeSeparators(Pfad)),
                  false);
        }
        return false;
    case Lesen::Unlesbar:
        return nichtGespeichert(QCoreApplication::translate("Spielarchiv", "die Aufzeichnung lässt sich nicht lesen"));
    case Lesen::Kaputt: {
        if (KaputteBeiseiteLegen().isEmpty())
            return nichtGespeichert(QCoreApplication::translate(
                "Spielarchiv", "die unlesbare Aufzeichnung lässt sich nicht beiseitelegen"));
        break;
    }
    case Lesen::Gut:
    case Lesen::Fehlt:
        break;
    }
    spiele.append(eintrag.AlsJson());
    QSaveFile datei(Pfad);
    const QByteArray inhalt =
        QJsonDocument(QJsonObject{{QStringLiteral("version"), Version}, {QStringLiteral("spiele"), spiele}})
            .toJson(QJsonDocument::Indented);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
        return nichtGespeichert(datei.errorString());
    return true;
}

QString Spielarchiv::Zuruecksetzen()
{
    QLockFile sperre(Pfad + QStringLiteral(".lock"));
    if (!QFileInfo::exists(Pfad))
        return {};
    const QString kopie = sperre.tryLock(LockWarten) ? BeiseiteLegen("alt") : QString();
    if (kopie.isEmpty())
        Sagen(
            QCoreApplication::translate(
                "Spielarchiv", "Die Aufzeichnung der Spiele lässt sich nicht beiseitelegen; sie bleibt, wie sie ist."),
            false);
    return kopie;
}

std::map<BrettSchluessel, SpielBilanz> SpieleAuswerten(const QJsonArray& spiele)
{
    std::map<BrettSchluessel, SpielBilanz> bilanzen;
    for (const QJsonValue& wert : spiele) {
        const QJsonObject spiel = wert.toObject();
        const QString modus = spiel.value(QStringLiteral("modus")).toString();
        const int farben = spiel.value(QStringLiteral("farben")).toInt();
        const int felder = spiel.value(QStringLiteral("felder")).toInt();
        const int zeilen = spiel.value(QStringLiteral("zeilen")).toInt();
        const QString ergebnis = spiel.value(QStringLiteral("ergebnis")).toString();
        if ((modus != QLatin1String("Mensch") && modus != QLatin1String("Computer")) || farben < 2 || farben > 8 ||
            felder < 2 || felder > 8)
            continue;
        SpielBilanz& bilanz = bilanzen[{modus, farben, felder}];
        ++bilanz.Gespielt;
        if (ergebnis == QStringLiteral("gelöst") && zeilen > 0) {
            ++bilanz.Geloest;
            bilanz.ZeilenSumme += zeilen;
            bilanz.Beste = bilanz.Beste ? std::min(bilanz.Beste, zeilen) : zeilen;
            ++bilanz.Verteilung[zeilen];
        } else if (ergebnis == QStringLiteral("aufgegeben")) {
            ++bilanz.Aufgegeben;
        }
    }
    return bilanzen;
}
