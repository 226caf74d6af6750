#include <QApplication>

#include "app/Farbenrater_Prj.h"

int main()
{
    // The program reads no command line: the application object gets a fixed argument list.
    static char name[] = "farbenrater";
    static char* argumente[] = {name, nullptr};
    int anzahl = 1;
    QApplication app(anzahl, argumente);
    return Farbenrater_Prj();
}
