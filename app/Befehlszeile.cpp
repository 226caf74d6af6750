// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Befehlszeile.h"

#include "app/Farbenrater_Prj.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

// No application object exists yet: the catalogue is asked directly.
QString Text(const char* quelle)
{
    static QTranslator englisch;
    static const bool geladen =
        !SpracheDeutsch(QLocale::system().uiLanguages()) && englisch.load(QStringLiteral(":/i18n/farbenrater_en.qm"));
    const QString uebersetzt = geladen ? englisch.translate("Befehlszeile", quelle) : QString();
    return uebersetzt.isEmpty() ? QString::fromUtf8(quelle) : uebersetzt;
}

} // namespace

std::optional<int> BefehlszeileAuswerten(const QStringList& argumente, QString& out, QString& err)
{
    for (const QString& argument : argumente) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out = Text(QT_TRANSLATE_NOOP(
                "Befehlszeile", "Aufruf: farbenrater [--help] [--version]\n"
                                "Farbenrater, ein Spiel: finde den geheimen Farbcode.\n"
                                "\n"
                                "  -h, --help     diese Hilfe zeigen und beenden\n"
                                "  -v, --version  die Fassung zeigen und beenden\n"
                                "\n"
                                "Die letzten Einstellungen und die Aufzeichnung der Spiele liegen unter\n"
                                "~/.config/farbenrater/ und ~/.local/share/farbenrater/ (siehe man farbenrater).\n"));
            return 0;
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            out = QStringLiteral("Farbenrater " FARBENRATER_FASSUNG "\n");
            return 0;
        }
    }
    if (argumente.isEmpty())
        return std::nullopt;
    err = Text(QT_TRANSLATE_NOOP("Befehlszeile", "farbenrater: unbekannte Option „%1“\nMehr mit: farbenrater --help\n"))
              .arg(argumente.first());
    return 2;
}
