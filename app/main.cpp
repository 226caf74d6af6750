#include "app/Farbenrater_Prj.h"

int main()
{
    const auto anwendung = AnwendungErzeugen();
    return Farbenrater_Prj();
}
