// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Main.h"

#include "game/Spielzustand.h"

void IndexZuCode(int32_t F, int32_t n, int32_t index, int8_t* ziel)
{
    int32_t k = 0;
    do {
        ziel[k] = static_cast<int8_t>(index % F);
        index /= F;
        ++k;
    } while (k < n);
}

int32_t ZeileZuIndex(int32_t zeile, int32_t F, int32_t n)
{
    int32_t index = SteckerFeld[zeile][0];
    int32_t faktor = 1;
    for (int32_t k = 1; k < n; ++k) {
        faktor *= F;
        index += faktor * SteckerFeld[zeile][k];
    }
    return index;
}

void BewerteCode(const int8_t* geheim, const int8_t* rate, int32_t n, int32_t& schwarz, int32_t& weiss)
{
    schwarz = 0;
    weiss = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (rate[i] == geheim[i]) {
            ++schwarz;
            continue;
        }
        for (int32_t j = 0; j < n; ++j) {
            if (rate[i] == geheim[j]) {
                ++weiss;
                break;
            }
        }
    }
}

bool BewerteZeile(int32_t n, int32_t& schwarz, int32_t& weiss)
{
    BewerteCode(FarbCode, SteckerFeld[AktiveZeile], n, schwarz, weiss);
    return schwarz == n;
}
