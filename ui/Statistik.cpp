// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Statistik.h"

#include "game/Spielzustand.h"
#include "ui/Farbenrater.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <functional>

TStatistik_Form* Statistik_Form = nullptr;

namespace {

struct MittelZeile {
    int Farben, Felder;
    double Computer, Stark;
};

constexpr MittelZeile MittelTabelle[] = {
#include "ui/Computermittel.inc"
};

// Numbers in the manner of the language the texts are in: the catalogue names its own locale.
QString Zahl(double wert)
{
    return QLocale(TStatistik_Form::tr("de_DE")).toString(wert, 'f', 2);
}

QString ModusName(const QString& modus)
{
    return QCoreApplication::translate("TEinstellungen_Form", modus.toUtf8().constData());
}

QString BrettName(const BrettSchluessel& brett)
{
    return TStatistik_Form::tr("%1 Farben × %2 Felder").arg(std::get<1>(brett)).arg(std::get<2>(brett));
}

const QColor SpielerFarbe(0x1f, 0x4e, 0xa8);
const QColor ComputerFarbe(0xb0, 0x30, 0x20);
const QColor StarkFarbe(0x1e, 0x7a, 0x32);

} // namespace

ComputerMittelwerte ComputerMittel(int farben, int felder)
{
    for (const MittelZeile& zeile : MittelTabelle)
        if (zeile.Farben == farben && zeile.Felder == felder)
            return {zeile.Computer, zeile.Stark};
    return {};
}

// ---------------------------------------------------------------------------------------------
// The chart

TStatistikDiagramm::TStatistikDiagramm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Statistik_Diagramm"));
    // Reached with Tab, so that a screen reader reads what it shows.
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, Qt::white));
}

void TStatistikDiagramm::Zeigen(const BrettSchluessel& brett, const SpielBilanz& bilanz)
{
    Brett = brett;
    Daten = bilanz;
    Mittel = ComputerMittel(std::get<1>(brett), std::get<2>(brett));
    setAccessibleName(TStatistik_Form::tr("Diagramm: Zeilen der gelösten Spiele, %1, %2")
                          .arg(ModusName(std::get<0>(brett)), BrettName(brett)));
    QStringList beschreibung;
    for (const auto& [zeilen, spiele] : Daten.Verteilung)
        beschreibung << TStatistik_Form::tr("Zeilen: %1, Spiele: %2").arg(zeilen).arg(spiele);
    if (beschreibung.isEmpty())
        beschreibung << TStatistik_Form::tr("noch kein gelöstes Spiel");
    else
        beschreibung << TStatistik_Form::tr("Mittel %1").arg(Zahl(Daten.Mittel()));
    if (Mittel.Computer > 0)
        beschreibung << TStatistik_Form::tr("Computer im Mittel %1").arg(Zahl(Mittel.Computer))
                     << TStatistik_Form::tr("Starker Computer im Mittel %1").arg(Zahl(Mittel.Stark));
    setAccessibleDescription(beschreibung.join(QStringLiteral("; ")) + QLatin1Char('.'));
    update();
}

void TStatistikDiagramm::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics schrift = maler.fontMetrics();
    const int zeile = schrift.height();
    maler.drawText(
        QRect(0, 2, width(), zeile), Qt::AlignCenter,
        TStatistik_Form::tr("Zeilen der gelösten Spiele: %1, %2").arg(ModusName(std::get<0>(Brett)), BrettName(Brett)));

    // The legend: what each line means.
    struct Linie {
        QString Name;
        double Wert;
        QColor Farbe;
        Qt::PenStyle Stil;
    };
    std::vector<Linie> linien;
    if (Daten.Geloest)
        linien.push_back(
            {TStatistik_Form::tr("Mittel %1").arg(Zahl(Daten.Mittel())), Daten.Mittel(), SpielerFarbe, Qt::SolidLine});
    if (Mittel.Computer > 0) {
        linien.push_back({TStatistik_Form::tr("Computer %1").arg(Zahl(Mittel.Computer)), Mittel.Computer, ComputerFarbe,
                          Qt::DashLine});
        linien.push_back({TStatistik_Form::tr("Starker Computer %1").arg(Zahl(Mittel.Stark)), Mittel.Stark, StarkFarbe,
                          Qt::DashDotLine});
    }
    int x = 8;
    for (const Linie& linie : linien) {
        maler.setPen(QPen(linie.Farbe, 2, linie.Stil));
        maler.drawLine(x, 2 + zeile * 3 / 2, x + 24, 2 + zeile * 3 / 2);
        maler.setPen(Qt::black);
        const int breite = schrift.horizontalAdvance(linie.Name);
        maler.drawText(x + 30, 2 + zeile, breite, zeile, Qt::AlignVCenter, linie.Name);
        x += 30 + breite + 16;
    }

    // The bars: rows 1 to 12, further where a game went on beyond.
    int hoechsteZeile = 12;
    int meisteSpiele = 1;
    for (const auto& [zeilen, spiele] : Daten.Verteilung) {
        hoechsteZeile = std::max(hoechsteZeile, zeilen);
        meisteSpiele = std::max(meisteSpiele, spiele);
    }
    const QRect feld(34, 2 + zeile * 3, width() - 34 - 10, height() - zeile * 4 - 10);
    const double spalte = double(feld.width()) / hoechsteZeile;
    maler.setPen(Qt::black);
    maler.drawLine(feld.bottomLeft(), feld.bottomRight());
    maler.drawLine(feld.bottomLeft(), feld.topLeft());
    maler.drawText(QRect(0, feld.top() - zeile / 2, 30, zeile), Qt::AlignRight, QString::number(meisteSpiele));
    maler.drawText(QRect(0, feld.bottom() - zeile / 2, 30, zeile), Qt::AlignRight, QStringLiteral("0"));
    for (int z = 1; z <= hoechsteZeile; ++z) {
        const QRectF platz(feld.left() + (z - 1) * spalte, feld.top(), spalte, feld.height());
        maler.drawText(QRectF(platz.left(), feld.bottom() + 2, spalte, zeile), Qt::AlignCenter, QString::number(z));
        const auto gefunden = Daten.Verteilung.find(z);
        if (gefunden == Daten.Verteilung.end())
            continue;
        const double hoehe = double(feld.height()) * gefunden->second / meisteSpiele;
        maler.fillRect(QRectF(platz.left() + spalte * 0.15, feld.bottom() - hoehe, spalte * 0.7, hoehe),
                       SpielerFarbe.lighter(150));
        maler.drawText(QRectF(platz.left(), feld.bottom() - hoehe - zeile, spalte, zeile), Qt::AlignCenter,
                       QString::number(gefunden->second));
    }
    // A mean of m rows stands in the middle of bar m.
    for (const Linie& linie : linien) {
        const double mitte = feld.left() + (linie.Wert - 0.5) * spalte;
        maler.setPen(QPen(linie.Farbe, 2, linie.Stil));
        maler.drawLine(QPointF(mitte, feld.top()), QPointF(mitte, feld.bottom()));
    }
    if (!Daten.Geloest) {
        maler.setPen(Qt::darkGray);
        maler.drawText(feld, Qt::AlignCenter, TStatistik_Form::tr("Auf diesem Brett ist noch kein Spiel gelöst."));
    }
    if (hasFocus()) {
        maler.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ---------------------------------------------------------------------------------------------
// The window

TStatistik_Form::TStatistik_Form(Spielarchiv& archiv)
    : TForm(QStringLiteral("Statistik_Form"), tr("Statistik")), Archiv(archiv)
{
    SetClientSize(600, 500);
    SetBorder(biSystemMenu, false);
    Dialog = true;
    SetOwner(Form1);

    Tabelle = new QTableWidget(0, 7, Client());
    Tabelle->setObjectName(QStringLiteral("Statistik_Tabelle"));
    Tabelle->setAccessibleName(tr("Spiele nach Spieler und Brett"));
    Tabelle->setGeometry(8, 8, 584, 180);
    Tabelle->setHorizontalHeaderLabels(
        {tr("Spieler"), tr("Brett"), tr("Gespielt"), tr("Gelöst"), tr("Aufgegeben"), tr("Mittel"), tr("Beste")});
    Tabelle->verticalHeader()->hide();
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrows walk its rows.
    Tabelle->setTabKeyNavigation(false);
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(Tabelle, &QTableWidget::itemSelectionChanged, this, [this] { ZeileGewaehlt(); });

    Diagramm = new TStatistikDiagramm(Client());
    Diagramm->setGeometry(8, 196, 584, 250);

    Hinweis = new TLabel(Client(), QStringLiteral("Statistik_Hinweis"), QString());
    Hinweis->setGeometry(8, 452, 400, 44);
    Hinweis->setWordWrap(true);
    Hinweis->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Zuruecksetzen_BitBtn = new TBitBtn(Client(), QStringLiteral("Zuruecksetzen_BitBtn"), tr("Zurücksetzen"));
    Zuruecksetzen_BitBtn->SetBounds(414, 464, 85, 25);
    Zuruecksetzen_BitBtn->OnClick = std::bind_front(&TStatistik_Form::Zuruecksetzen_BitBtnClick, this);
    Schliessen_BitBtn = new TBitBtn(Client(), QStringLiteral("StatistikClose_BitBtn"), tr("Schließen"), bkCancel);
    Schliessen_BitBtn->SetBounds(507, 464, 85, 25);
    Schliessen_BitBtn->Cancel = true;
    Schliessen_BitBtn->OnClick = [this](TObject*) { Hide(); };
    setTabOrder(Tabelle, Diagramm);
    setTabOrder(Diagramm, Zuruecksetzen_BitBtn);
    setTabOrder(Zuruecksetzen_BitBtn, Schliessen_BitBtn);
}

void TStatistik_Form::Auffrischen()
{
    Bilanzen = SpieleAuswerten(Archiv.Laden());
    Bretter.clear();
    const QSignalBlocker ruhig(Tabelle);
    Tabelle->setRowCount(int(Bilanzen.size()));
    int zeile = 0;
    int gewaehlteZeile = -1;
    for (const auto& [brett, bilanz] : Bilanzen) {
        const QString spalten[] = {ModusName(std::get<0>(brett)),
                                   QStringLiteral("%1 × %2").arg(std::get<1>(brett)).arg(std::get<2>(brett)),
                                   QString::number(bilanz.Gespielt),
                                   QString::number(bilanz.Geloest),
                                   QString::number(bilanz.Aufgegeben),
                                   bilanz.Geloest ? Zahl(bilanz.Mittel()) : QStringLiteral("–"),
                                   bilanz.Geloest ? QString::number(bilanz.Beste) : QStringLiteral("–")};
        for (int spalte = 0; spalte < 7; ++spalte) {
            auto* feld = new QTableWidgetItem(spalten[spalte]);
            feld->setTextAlignment(spalte < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            Tabelle->setItem(zeile, spalte, feld);
        }
        if (brett == Gewaehlt)
            gewaehlteZeile = zeile;
        Bretter.push_back(brett);
        ++zeile;
    }
    if (gewaehlteZeile >= 0)
        Tabelle->selectRow(gewaehlteZeile);
    else
        Tabelle->clearSelection();
    Hinweis->SetCaption(Bilanzen.empty() ? tr("Noch keine Spiele aufgezeichnet.") : Hinweis->Caption());
    const auto gefunden = Bilanzen.find(Gewaehlt);
    Diagramm->Zeigen(Gewaehlt, gefunden == Bilanzen.end() ? SpielBilanz{} : gefunden->second);
}

void TStatistik_Form::ZeileGewaehlt()
{
    const int zeile = Tabelle->currentRow();
    if (zeile < 0 || zeile >= int(Bretter.size()))
        return;
    Gewaehlt = Bretter[zeile];
    Diagramm->Zeigen(Gewaehlt, Bilanzen[Gewaehlt]);
}

void TStatistik_Form::Zuruecksetzen_BitBtnClick(TObject*)
{
    QMessageBox frage(QMessageBox::Question, tr("Zurücksetzen"),
                      tr("Alle aufgezeichneten Spiele zurücksetzen? Die bisherige Aufzeichnung wird nicht gelöscht, "
                         "sondern beiseitegelegt."),
                      QMessageBox::NoButton, this);
    frage.setObjectName(QStringLiteral("Zuruecksetzen_Frage"));
    QPushButton* ja = frage.addButton(tr("Zurücksetzen"), QMessageBox::AcceptRole);
    frage.setDefaultButton(frage.addButton(tr("Abbrechen"), QMessageBox::RejectRole));
    frage.exec();
    if (frage.clickedButton() != ja)
        return;
    const QString kopie = Archiv.Zuruecksetzen();
    const QString meldung = Archiv.Meldung();
    Auffrischen();
    Hinweis->SetCaption(
        !meldung.isEmpty() ? meldung
        : kopie.isEmpty()
            ? tr("Es gab nichts zurückzusetzen.")
            : tr("Die bisherige Aufzeichnung ist aufbewahrt unter %1").arg(QDir::toNativeSeparators(kopie)));
    Announce(this, Hinweis->Caption());
}

void StatistikZeigen(Spielarchiv& archiv)
{
    if (!Statistik_Form)
        Statistik_Form = new TStatistik_Form(archiv);
    Statistik_Form->Hinweis->SetCaption(QString());
    Statistik_Form->Waehlen({SpielerModus == ModusComputer ? QStringLiteral("Computer") : QStringLiteral("Mensch"),
                             AnzahlFarben, AnzahlFelder});
    Statistik_Form->Auffrischen();
    Statistik_Form->BringToFront();
    Statistik_Form->Tabelle->setFocus();
}

void StatistikAuffrischen(Spielarchiv&)
{
    if (Statistik_Form && Statistik_Form->Visible())
        Statistik_Form->Auffrischen();
}
