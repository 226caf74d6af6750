// SPDX-License-Identifier: GPL-3.0-or-later
// The game for players who do not read German: the desktop's first language chooses, and in English
// no window, menu, message or name read to a screen reader is German. The English games run in a
// process of their own, since the windows are built once per process and the other suites read
// the German texts.
#include "Testhilfe.h"
#include "ui/Statistik.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <cstdlib>
#include <iostream>

namespace {

// The words of the catalogue: the German source texts and their English translations.
struct Woerter {
    QSet<QString> deutsch, englisch;
};

const QRegularExpression Wort(QStringLiteral("\\p{L}{2,}"));
// Words both languages write alike.
const QSet<QString> BeideSprachen = {QStringLiteral("Farbenrater"), QStringLiteral("Computer"), QStringLiteral("Demo"),
                                     QStringLiteral("OK"), QStringLiteral("Code")};

Woerter KatalogLesen()
{
    Woerter woerter;
    QFile datei(QStringLiteral(FARBENRATER_KATALOG));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << FARBENRATER_KATALOG;
    QXmlStreamReader xml(&datei);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QSet<QString>* ziel = xml.name() == u"source"        ? &woerter.deutsch
                              : xml.name() == u"translation" ? &woerter.englisch
                                                             : nullptr;
        if (ziel)
            for (const auto& treffer : Wort.globalMatch(xml.readElementText()))
                ziel->insert(treffer.captured());
    }
    return woerter;
}

// A failure, told on the error stream too, which is what a death test shows of its child.
void Fehler(const QString& was)
{
    ADD_FAILURE() << was.toStdString();
    std::cerr << was.toStdString() << "\n";
}

// A text in English: no word of the German texts (but the shared ones), every word one of the
// English catalogue (a text that never went through it would be German), no umlaut.
void Englisch(const QString& text, const Woerter& woerter, const QString& wo)
{
    QStringList fehler;
    for (const auto& treffer : Wort.globalMatch(text)) {
        const QString wort = treffer.captured();
        if (!BeideSprachen.contains(wort) && woerter.deutsch.contains(wort))
            fehler << QStringLiteral("German \"%1\"").arg(wort);
        if (!woerter.englisch.contains(wort))
            fehler << QStringLiteral("\"%1\" from no English text").arg(wort);
    }
    if (text.contains(QRegularExpression(QStringLiteral("[äöüßÄÖÜ]"))))
        fehler << QStringLiteral("an umlaut");
    for (const QString& f : fehler)
        Fehler(f + QStringLiteral(" in ") + wo + QStringLiteral(": ") + text);
}

// Everything the five windows show or name: titles, captions, lines, menu items, tips, and what
// a screen reader reads for each widget.
void FensterPruefen(const Woerter& woerter)
{
    QList<QWidget*> fensterListe{Form1, Form2, Form3, Einstellungen_Form, Hilfe_Form};
    if (Statistik_Form)
        fensterListe << Statistik_Form;
    for (QWidget* fenster : fensterListe) {
        QList<QObject*> alle = fenster->findChildren<QObject*>();
        alle.prepend(fenster);
        for (QObject* objekt : alle) {
            const QString wo = fenster->objectName() + QLatin1Char('/') + objekt->objectName();
            QStringList texte = objekt->property("Lines").toStringList();
            texte << objekt->property("Caption").toString() << objekt->property("SimpleText").toString();
            if (auto* aktion = qobject_cast<QAction*>(objekt))
                texte << aktion->text() << aktion->toolTip();
            if (auto* tabelle = qobject_cast<QTableWidget*>(objekt))
                for (int z = -1; z < tabelle->rowCount(); ++z)
                    for (int sp = 0; sp < tabelle->columnCount(); ++sp)
                        if (auto* feld = z < 0 ? tabelle->horizontalHeaderItem(sp) : tabelle->item(z, sp))
                            texte << feld->text();
            if (auto* widget = qobject_cast<QWidget*>(objekt)) {
                texte << widget->windowTitle() << widget->toolTip();
                if (QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(widget))
                    texte << zugang->text(QAccessible::Name) << zugang->text(QAccessible::Description);
            }
            for (const QString& text : texte)
                Englisch(text, woerter, wo);
            // The German fits its fixed controls; so must the English (the style asks at least 80
            // pixels of any button with a text, more than "OK" has).
            if (auto* knopf = qobject_cast<QAbstractButton*>(objekt);
                knopf && knopf->sizeHint().width() > std::max(knopf->width(), 80))
                Fehler(QStringLiteral("cut off: ") + wo);
        }
    }
    // The help keeps to the memo's 13 lines, none of them wrapped.
    TMemo* hilfe = Hilfe_Form->Hilfe_Memo;
    if (hilfe->Lines().size() != 13)
        Fehler(QStringLiteral("the help has %1 lines").arg(hilfe->Lines().size()));
    for (const QString& zeile : hilfe->Lines())
        if (hilfe->fontMetrics().horizontalAdvance(zeile) >
            hilfe->width() - 2 * (hilfe->frameWidth() + hilfe->document()->documentMargin()))
            Fehler(QStringLiteral("wrapped: ") + zeile);
}

// The information panel and the last status message.
void Meldungen(const Woerter& woerter)
{
    Englisch(Info(), woerter, QStringLiteral("Info_StaticText"));
    Englisch(QString::fromUtf8(MeldungsText), woerter, QStringLiteral("StatusBar"));
}

void EnglischSpielen()
{
    ASSERT_TRUE(SpracheEinrichten({QStringLiteral("en-GB"), QStringLiteral("de")}));
    const Woerter woerter = KatalogLesen();
    ASSERT_GT(woerter.deutsch.size(), 100);
    ProgrammStarten();
    // What the game keeps, into folders of this run: its statistics are looked at in the end.
    const QString heim = qEnvironmentVariable("FARBENRATER_TESTHEIM") + QStringLiteral("/englisch");
    qputenv("XDG_CONFIG_HOME", (heim + QStringLiteral("/einstellungen")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (heim + QStringLiteral("/daten")).toLocal8Bit());
    GedaechtnisEinschalten();
    FensterPruefen(woerter);
    Meldungen(woerter);

    // "Mensch" with the rude computer: a locked row, an incomplete row, a guess made twice, the win.
    SpielBeginnen(ModusMensch, 6, 4, true);
    Meldungen(woerter);
    Druecken(Form1->SteckerShapes[2][0]);
    Meldungen(woerter);
    Form1->Pruefen_BitBtn->Click();
    Meldungen(woerter);
    const std::vector<int> geheim(FarbCode, FarbCode + 4), daneben = {(geheim[0] + 1) % 6, 0, 0, 0};
    for (int mal = 0; mal < 2; ++mal) {
        CodeSetzen(daneben);
        Form1->Pruefen_BitBtn->Click();
        Meldungen(woerter);
    }
    CodeSetzen(geheim);
    Form1->Pruefen_BitBtn->Click();
    Meldungen(woerter);

    // "Computer", answered with no peg at all until no code is left, then won at once.
    SpielBeginnen(ModusComputer, 6, 4);
    for (int zug = 0; zug < 12 && Form1->FarbCodeGeprueft_BitBtn->Enabled(); ++zug) {
        Form1->FarbCodeGeprueft_BitBtn->Click();
        Meldungen(woerter);
        WARTE_BIS(SolverRuht());
        Meldungen(woerter);
    }
    EXPECT_FALSE(Form1->FarbCodeGeprueft_BitBtn->Enabled());
    SpielBeginnen(ModusComputer, 6, 4);
    StifteSetzen({StiftSchwarz, StiftSchwarz, StiftSchwarz, StiftSchwarz});
    Form1->FarbCodeGeprueft_BitBtn->Click();
    Meldungen(woerter);

    // "Demo" to its end.
    SpielBeginnen(ModusDemo, 6, 4);
    Meldungen(woerter);
    WARTE_BIS(SolverRuht());
    Meldungen(woerter);
    Form1->ZeigeFarbCode_BitBtn->Click();
    Form1->findChild<QAction*>(QStringLiteral("MenuStatistik"))->trigger();
    ASSERT_TRUE(Statistik_Form && Statistik_Form->Tabelle->rowCount() == 2);
    FensterPruefen(woerter);
}

} // namespace

TEST(Englisch, NoWindowMenuMessageOrNameIsGerman)
{
    ImEigenenProzess(EnglischSpielen);
}

// The start-up's choice from the environment as Qt reads it; the child ends with 1 for English.
TEST(Englisch, TheDesktopsFirstLanguageChoosesGermanOrEnglish)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* const namen[4] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    const struct {
        const char* werte[4];
        bool englisch;
    } faelle[] = {
        {{nullptr, nullptr, nullptr, nullptr}, false},      {{nullptr, nullptr, nullptr, "C.UTF-8"}, false},
        {{nullptr, nullptr, nullptr, "POSIX"}, false},      {{nullptr, nullptr, nullptr, "de_AT.UTF-8"}, false},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, true}, {{nullptr, nullptr, nullptr, "fr_FR.UTF-8"}, true},
        {{"en:de", nullptr, nullptr, "de_DE.UTF-8"}, true}, {{nullptr, nullptr, "de_DE.UTF-8", "en_US.UTF-8"}, false},
        {{nullptr, "C", nullptr, "en_GB.UTF-8"}, false},
    };
    QByteArray vorher[4];
    for (int i = 0; i < 4; ++i)
        vorher[i] = qgetenv(namen[i]);
    for (const auto& fall : faelle) {
        for (int i = 0; i < 4; ++i)
            fall.werte[i] ? qputenv(namen[i], fall.werte[i]) : qunsetenv(namen[i]);
        EXPECT_EXIT(std::_Exit(SpracheEinrichten(QLocale::system().uiLanguages()) ? 1 : 0),
                    ::testing::ExitedWithCode(fall.englisch ? 1 : 0), "")
            << "case " << &fall - faelle;
    }
    for (int i = 0; i < 4; ++i)
        vorher[i].isNull() ? qunsetenv(namen[i]) : qputenv(namen[i], vorher[i]);
}
