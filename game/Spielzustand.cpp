// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Spielzustand.h"

#include "game/Main.h"

#include <cmath>
#include <ctime>
#include <mutex>
#include <new>
#include <random>

int32_t AnzahlFarben = 8;
int32_t AnzahlFelder = 8;
int32_t SpielerModus = ModusMensch;
bool StarkerComputer = false;
const int32_t MaxKombinationen = static_cast<int32_t>(std::pow(8.0, 8.0) + 10.0);
int32_t AnzahlKombinationen = MaxKombinationen;

int32_t AktiveZeile = 0;
int8_t SteckerFeld[13][8];
int8_t StiftFeld[13][8];
int8_t FarbCode[10];
int8_t RateCode[10];
int32_t CodeIndex = 0;
int32_t Schwarz = 0;
int32_t Weiss = 0;
int32_t DemoSchwarz = 0;
int32_t DemoWeiss = 0;

TColor SteckerFarbe = clRed;
int32_t SteckerFarbIndex = 0;
TColor StiftFarbe = clBlack;
int32_t StiftFarbIndex = 0;

TColor FarbTabelle[8];
TColor ComputerFarbTabelle[8];

void FarbTabelleFuellen()
{
    for (int i = 0; i < 8; ++i)
        FarbTabelle[i] = FarbWerte[i];
}

void ComputerFarbTabelleFuellen()
{
    for (int i = 0; i < 8; ++i)
        ComputerFarbTabelle[i] = ComputerFarbWerte[i];
}

int32_t FarbIndex(TColor farbe)
{
    for (int32_t i = 0; i < 8; ++i)
        if (farbe == FarbWerte[i] || farbe == ComputerFarbWerte[i])
            return i;
    return -1;
}

const char* FarbName(TColor farbe, bool grauIstLeer)
{
    static constexpr const char* namen[8] = {"rot", "gelb", "grün", "blau", "violett", "türkis", "schwarz", "weiß"};
    if (const int32_t i = FarbIndex(farbe); i >= 0)
        return namen[i];
    if (farbe == clGray)
        return grauIstLeer ? "leer" : "grau";
    if (farbe == clSilver)
        return "silber";
    return nullptr;
}

int32_t Kombinationen(int32_t F, int32_t n)
{
    return static_cast<int32_t>(std::pow(static_cast<double>(F), static_cast<double>(n)));
}

namespace {
std::mutex ZufallsSperre;
std::mt19937 Zufall;
} // namespace

void ZufallsgeneratorStarten()
{
    std::lock_guard<std::mutex> sperre(ZufallsSperre);
    Zufall.seed(static_cast<std::mt19937::result_type>(std::time(nullptr)));
}

int32_t Zufallszahl()
{
    std::lock_guard<std::mutex> sperre(ZufallsSperre);
    return static_cast<int32_t>(Zufall() >> 1);
}

void ZufallsCodeZiehen()
{
    const int32_t r = Zufallszahl();
    CodeIndex = AnzahlKombinationen > 0 ? r % AnzahlKombinationen : 0;
    IndexZuCode(AnzahlFarben, AnzahlFelder, CodeIndex, FarbCode);
}
