// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Gedaechtnis.h"

#include "game/Spielzustand.h"
#include "ui/Einstellungen.h"
#include "ui/Farbenrater.h"
#include "ui/Statistik.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <algorithm>

Gedaechtnis Erinnerung;

namespace {

// Every checkable item of these menus is remembered under its menu's and its own name, so that an
// option added later is remembered too.
std::vector<std::pair<QString, TMenuItem*>> MerkbareOptionen()
{
    std::vector<std::pair<QString, TMenuItem*>> optionen;
    for (TMenuItem* menue : {Form1->MenuAnsicht, Form1->MenuOptionen})
        if (menue->menu())
            for (QAction* eintrag : menue->menu()->actions())
                if (auto* option = qobject_cast<TMenuItem*>(eintrag); option && option->isCheckable())
                    optionen.emplace_back(menue->objectName() + QLatin1Char('/') + option->objectName(), option);
    return optionen;
}

int Begrenzt(const QVariant& wert, int kleinster, int groesster, int vorgabe)
{
    bool zahl = false;
    const int gelesen = wert.toInt(&zahl);
    return zahl ? std::clamp(gelesen, kleinster, groesster) : vorgabe;
}

} // namespace

void Gedaechtnis::Einschalten(const QString& archivDatei, const QString& einstellungsDatei)
{
    Einstellungen = std::make_unique<QSettings>(einstellungsDatei, QSettings::IniFormat);
    EinstellungenLesen();
    // An option is kept as soon as it changes; the game's choices when a game is started with OK.
    for (const auto& eintrag : MerkbareOptionen())
        QObject::connect(eintrag.second, &QAction::toggled, eintrag.second,
                         [this, schluessel = eintrag.first](bool an) {
                             Einstellungen->setValue(schluessel, an);
                             Einstellungen->sync();
                         });

    Archiv = std::make_unique<Spielarchiv>(archivDatei);
    Archiv->Laden();
    auto* statistik = new TMenuItem(Form1->MenuAnsicht, QStringLiteral("MenuStatistik"),
                                    QCoreApplication::translate("TForm1", "Statistik…"));
    Form1->MenuAnsicht->Add(statistik);
    statistik->OnClick = [this](TObject*) {
        StatistikZeigen(*Archiv);
        MeldungZeigen();
    };
    // The settings dialog opens a moment after the start, above the board: what the record has to
    // say waits for it, so that it stands above the dialog, not hidden behind it.
    QTimer::singleShot(Form1->StartTimer->Interval() + 100, Form1, [this] { MeldungZeigen(); });
}

void Gedaechtnis::EinstellungenLesen()
{
    // A file that cannot be read, or none at all: the dialog opens as on the very first start.
    if (Einstellungen->status() != QSettings::NoError || !Einstellungen->contains(QStringLiteral("spiel/modus")))
        return;
    TEinstellungen_Form* dialog = Einstellungen_Form;
    const auto wert = [this](const char* schluessel) { return Einstellungen->value(QLatin1String(schluessel)); };
    // Through the sliders' own handlers, also where a slider already stands on the value.
    dialog->AnzahlFarben_TrackBar->SetPosition(Begrenzt(wert("spiel/farben"), 2, 8, AnzahlFarben));
    dialog->AnzahlFarben_TrackBarChange(dialog->AnzahlFarben_TrackBar);
    dialog->AnzahlFelder_TrackBar->SetPosition(Begrenzt(wert("spiel/felder"), 2, 8, AnzahlFelder));
    dialog->AnzahlFelder_TrackBarChange(dialog->AnzahlFelder_TrackBar);
    const int modus = Begrenzt(wert("spiel/modus"), ModusMensch, ModusDemo, ModusMensch);
    if (modus != dialog->Spieler_RadioGroup->ItemIndex())
        dialog->Spieler_RadioGroup->SetItemIndex(modus);
    if (AnzahlFelder <= 6)
        dialog->ComputerFrech_CheckBox->SetChecked(wert("spiel/computerFrech").toBool());
    for (const auto& [schluessel, option] : MerkbareOptionen()) {
        if (!Einstellungen->contains(schluessel) || Einstellungen->value(schluessel).toBool() == option->Checked())
            continue;
        option->SetChecked(!option->Checked());
        option->Click();
    }
}

void Gedaechtnis::EinstellungenSchreiben()
{
    if (!Einstellungen)
        return;
    Einstellungen->setValue(QStringLiteral("spiel/modus"), SpielerModus);
    Einstellungen->setValue(QStringLiteral("spiel/farben"), AnzahlFarben);
    Einstellungen->setValue(QStringLiteral("spiel/felder"), AnzahlFelder);
    Einstellungen->setValue(QStringLiteral("spiel/computerFrech"),
                            Einstellungen_Form->ComputerFrech_CheckBox->Checked());
    for (const auto& [schluessel, option] : MerkbareOptionen())
        Einstellungen->setValue(schluessel, option->Checked());
    Einstellungen->sync();
}

void Gedaechtnis::SpielBegonnen()
{
    if (!An())
        return;
    Verlassen();
    EinstellungenSchreiben();
    Laeuft = SpielerModus == ModusMensch || SpielerModus == ModusComputer;
    Spiel = SpielEintrag{};
    Spiel.Modus = SpielerModus == ModusMensch ? QStringLiteral("Mensch") : QStringLiteral("Computer");
    Spiel.Farben = AnzahlFarben;
    Spiel.Felder = AnzahlFelder;
    Spiel.Frech = SpielerModus == ModusMensch && Einstellungen_Form->ComputerFrech_CheckBox->Checked();
    Spiel.Stark = Form1->MenuStarkerComputer->Checked();
}

void Gedaechtnis::Geraten()
{
    if (Laeuft)
        ++Spiel.Zeilen;
}

void Gedaechtnis::Geloest()
{
    Beenden("gelöst");
}

void Gedaechtnis::Aufgegeben()
{
    if (Laeuft && Spiel.Modus == QLatin1String("Mensch"))
        Beenden("aufgegeben");
}

void Gedaechtnis::Betrogen()
{
    Beenden("betrogen");
}

void Gedaechtnis::Verlassen()
{
    Beenden("abgebrochen");
}

void Gedaechtnis::Beenden(const char* ergebnis)
{
    if (!Laeuft || !Archiv)
        return;
    Laeuft = false;
    Spiel.Ergebnis = QString::fromUtf8(ergebnis);
    Spiel.Zeit = QDateTime::currentDateTimeUtc();
    Archiv->Hinzufuegen(Spiel);
    StatistikAuffrischen(*Archiv);
    MeldungZeigen();
}

void Gedaechtnis::MeldungZeigen()
{
    const QString text = Archiv ? Archiv->Meldung() : QString();
    if (text.isEmpty())
        return;
    // Beside the board, not in its way: the game goes on while the message stands.
    auto* meldung = new QMessageBox(QMessageBox::Warning, QStringLiteral("Farbenrater"), text, QMessageBox::NoButton,
                                    QApplication::activeWindow() ? QApplication::activeWindow() : Form1);
    meldung->setObjectName(QStringLiteral("Gedaechtnis_Meldung"));
    meldung->addButton(QCoreApplication::translate("Gedaechtnis", "OK"), QMessageBox::AcceptRole);
    meldung->setAttribute(Qt::WA_DeleteOnClose);
    meldung->setModal(false);
    meldung->show();
}
