// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Farbenrater_Prj.h"

int main()
{
    const auto anwendung = AnwendungErzeugen();
    return Farbenrater_Prj();
}
