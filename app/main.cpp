// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Befehlszeile.h"
#include "app/Farbenrater_Prj.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before anything needs a display.
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    QString ausgabe;
    QString fehler;
    if (const auto ende = BefehlszeileAuswerten(argumente, ausgabe, fehler)) {
        std::fputs(ausgabe.toLocal8Bit().constData(), stdout);
        std::fputs(fehler.toLocal8Bit().constData(), stderr);
        return *ende;
    }
    const auto anwendung = AnwendungErzeugen();
    return Farbenrater_Prj();
}
