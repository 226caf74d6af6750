// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Farbenrater_Prj.h"

#include "arbeiter/Workthread.h"
#include "game/Spielzustand.h"
#include "solver/BitOperationen.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Farbenrateraufloesung.h"
#include "ui/Farbmerkerbox.h"
#include "ui/Farbsymbole.h"
#include "ui/Gedaechtnis.h"
#include "ui/Hilfe_memoform.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdlib>
#include <stdexcept>

namespace {

// The colour names that game/ gives in German, here once more so that lupdate finds them; they
// are translated where they become the shapes' names and tips.
[[maybe_unused]] constexpr const char* FarbNamenZumUebersetzen[] = {
    QT_TRANSLATE_NOOP("Farbnamen", "rot"),     QT_TRANSLATE_NOOP("Farbnamen", "gelb"),
    QT_TRANSLATE_NOOP("Farbnamen", "grün"),    QT_TRANSLATE_NOOP("Farbnamen", "blau"),
    QT_TRANSLATE_NOOP("Farbnamen", "violett"), QT_TRANSLATE_NOOP("Farbnamen", "türkis"),
    QT_TRANSLATE_NOOP("Farbnamen", "schwarz"), QT_TRANSLATE_NOOP("Farbnamen", "weiß"),
    QT_TRANSLATE_NOOP("Farbnamen", "leer"),    QT_TRANSLATE_NOOP("Farbnamen", "grau"),
    QT_TRANSLATE_NOOP("Farbnamen", "silber")};

// Runs when the application object goes away: the worker is joined, so it never outlives the
// state it works on.
void ArbeitBeenden()
{
    if (WorkThread)
        WorkThread->Shutdown();
}

} // namespace

std::unique_ptr<QApplication> AnwendungErzeugen()
{
    static char name[] = "farbenrater";
    static char* argumente[] = {name, nullptr};
    static int anzahl = 1;
    return std::make_unique<QApplication>(anzahl, argumente);
}

bool SpracheDeutsch(const QStringList& sprachen)
{
    const QLocale erste(sprachen.value(0, QStringLiteral("C")));
    return erste.language() == QLocale::German || erste.language() == QLocale::C;
}

bool SpracheEinrichten(const QStringList& sprachen)
{
    static QTranslator* englisch = nullptr;
    const bool deutsch = SpracheDeutsch(sprachen);
    if (englisch)
        QCoreApplication::removeTranslator(englisch);
    if (deutsch)
        return false;
    if (!englisch) {
        englisch = new QTranslator(QCoreApplication::instance());
        // Built into the program; without it the texts simply stay German.
        if (!englisch->load(QStringLiteral(":/i18n/farbenrater_en.qm")))
            return false;
    }
    QCoreApplication::installTranslator(englisch);
    return true;
}

void AnwendungEinrichten()
{
    Application->Initialize();
    // Before the first window: every text is translated when its window is built.
    SpracheEinrichten(QLocale::system().uiLanguages());
    Application->Title = QStringLiteral("Farbenrater 1.0");
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.farbenrater.Farbenrater"));
    // The installed icon where there is one, else the program's own copy.
    QIcon eigenes;
    for (const int groesse : {16, 32, 48, 64, 128, 256})
        eigenes.addFile(QStringLiteral(":/farbenrater/%1x%1/farbenrater.png").arg(groesse));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("farbenrater"), eigenes));
}

void FormulareErzeugen()
{
    InstallAccessibility();
    SetSymbolPainter(FarbsymbolZeichnen);
    SetColorNaming([](TColor farbe, bool grauIstLeer) {
        const char* name = FarbName(farbe, grauIstLeer);
        return name ? QCoreApplication::translate("Farbnamen", name)
                    : QCoreApplication::translate("Farbnamen", "Farbe %1").arg(farbe, 6, 16, QLatin1Char('0'));
    });
    if (!KandidatenAnlegen()) {
        QMessageBox::critical(nullptr, QStringLiteral("Farbenrater"),
                              QCoreApplication::translate("Farbenrater_Prj",
                                                          "Es fehlt der Arbeitsspeicher für die Liste der "
                                                          "möglichen Farbcodes (2 MB).\nFarbenrater wird beendet."));
        std::exit(EXIT_FAILURE);
    }
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Einstellungen_Form);
    Application->CreateForm(Hilfe_Form);
    qAddPostRoutine(ArbeitBeenden);
    Form1->Show();
}

void GedaechtnisEinschalten()
{
    // ~/.local/share/farbenrater/ and ~/.config/farbenrater/ (or where XDG_DATA_HOME and
    // XDG_CONFIG_HOME point). Named here, not by the application's name, which becomes its title.
    Erinnerung.Einschalten(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               QStringLiteral("/farbenrater/spiele.json"),
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("/farbenrater/farbenrater.conf"));
}

int Farbenrater_Prj()
{
    try {
        AnwendungEinrichten();
        FormulareErzeugen();
        GedaechtnisEinschalten();
        Application->Run();
    } catch (const std::exception& fehler) {
        ShowException(fehler);
    } catch (...) {
        ShowException(std::runtime_error(""));
    }
    ArbeitBeenden();
    return 0;
}
