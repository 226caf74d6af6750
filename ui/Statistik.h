// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the recorded games by mode and board, and a chart of the rows the
// chosen board's solved games needed, with the computer's mean on that board beside them.
#pragma once

#include "toolkit/Forms.h"
#include "ui/Spielarchiv.h"

class QTableWidget;

// The rows the computer needs on average on a board: the search of mode "Computer" and the strong
// player (Optionen → Starker Computer), as the statistics tool measured them; 0 off the table.
struct ComputerMittelwerte {
    double Computer = 0.0;
    double Stark = 0.0;
};
ComputerMittelwerte ComputerMittel(int farben, int felder);

// The chart: one bar per number of rows, the player's mean and the computer's means as lines.
class TStatistikDiagramm : public QWidget {
    Q_OBJECT
public:
    explicit TStatistikDiagramm(QWidget* parent);
    void Zeigen(const BrettSchluessel& brett, const SpielBilanz& bilanz);
    const SpielBilanz& Bilanz() const { return Daten; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BrettSchluessel Brett;
    SpielBilanz Daten;
    ComputerMittelwerte Mittel;
};

class TStatistik_Form : public TForm {
    Q_OBJECT
public:
    explicit TStatistik_Form(Spielarchiv& archiv);
    QTableWidget* Tabelle;
    TStatistikDiagramm* Diagramm;
    TLabel* Hinweis;
    TBitBtn* Zuruecksetzen_BitBtn;
    TBitBtn* Schliessen_BitBtn;

    // Reads the record again; the chosen board stays chosen.
    void Auffrischen();
    void Waehlen(const BrettSchluessel& brett) { Gewaehlt = brett; }
    // Asks first; the record is moved aside, never deleted.
    void Zuruecksetzen_BitBtnClick(TObject* Sender);

private:
    void ZeileGewaehlt();
    Spielarchiv& Archiv;
    std::vector<BrettSchluessel> Bretter; // the table's rows
    BrettSchluessel Gewaehlt;
    std::map<BrettSchluessel, SpielBilanz> Bilanzen;
};

extern TStatistik_Form* Statistik_Form;

// Opens the window (created on first use) on the board in play; refreshes it when it is open.
void StatistikZeigen(Spielarchiv& archiv);
void StatistikAuffrischen(Spielarchiv& archiv);
