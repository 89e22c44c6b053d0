#include "KeysHelp.h"

#include "app/language/Language.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace vlnokres {
namespace {

constexpr const char *kKeys[][2] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "F11"), QT_TRANSLATE_NOOP("vlnokres::Texts", "celá obrazovka, zapnout a vypnout")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Esc"), QT_TRANSLATE_NOOP("vlnokres::Texts", "zastaví běžící animaci; jinak odstraní kurzory, pak ukončí celou obrazovku")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+0"), QT_TRANSLATE_NOOP("vlnokres::Texts", "původní velikost okna")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl++"), QT_TRANSLATE_NOOP("vlnokres::Texts", "zvětšit okno")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+-"), QT_TRANSLATE_NOOP("vlnokres::Texts", "zmenšit okno")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "P, Pause"), QT_TRANSLATE_NOOP("vlnokres::Texts", "pozastavit a znovu spustit běžící animaci")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "←, →"), QT_TRANSLATE_NOOP("vlnokres::Texts", "v pozastavené animaci o krok zpět a vpřed")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "PgUp, PgDn"), QT_TRANSLATE_NOOP("vlnokres::Texts", "v pozastavené animaci o 1/26 běhu zpět a vpřed (50 kroků při 2 periodách)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Home, End"), QT_TRANSLATE_NOOP("vlnokres::Texts", "v pozastavené animaci na první a poslední krok")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+S"), QT_TRANSLATE_NOOP("vlnokres::Texts", "uložit obrázek nebo animaci")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+Shift+C"), QT_TRANSLATE_NOOP("vlnokres::Texts", "kopírovat obrázek do schránky")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+P"), QT_TRANSLATE_NOOP("vlnokres::Texts", "vytisknout obrázek na stránku A4 naležato")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+H"), QT_TRANSLATE_NOOP("vlnokres::Texts", "hodnoty součtu a obálka, zapnout a vypnout")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+R"), QT_TRANSLATE_NOOP("vlnokres::Texts", "skrýt součet, aby jej třída předpověděla, a znovu jej ukázat")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+L"), QT_TRANSLATE_NOOP("vlnokres::Texts", "popisky: výslednice, legenda, osy t a y s periodami T₁")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "klepnutí na časovou osu"), QT_TRANSLATE_NOOP("vlnokres::Texts", "mimo běh nebo v pauze kurzor A, pak B, další posune bližší; hodnoty vpravo")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "nabídka › Velké písmo"), QT_TRANSLATE_NOOP("vlnokres::Texts", "hodnoty, popisky, kurzory a legenda dvakrát větší pro zadní lavice")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "nabídka › Kolmé kmity"), QT_TRANSLATE_NOOP("vlnokres::Texts", "druhá vlna kolmo k první: dolní diagram kreslí obrazec bodu v rovině x–y")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "dvojklik na časovou osu"), QT_TRANSLATE_NOOP("vlnokres::Texts", "kurzor na nejbližší maximum nebo minimum součtu (při záznějích obálky)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+M"), QT_TRANSLATE_NOOP("vlnokres::Texts", "zvuk zapnout a vypnout")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+Shift+M"), QT_TRANSLATE_NOOP("vlnokres::Texts", "přehrát zvuk hodnot z políček (4 s)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+O"), QT_TRANSLATE_NOOP("vlnokres::Texts", "otevřít lekci (soubor .vlnokres; lze ho i přetáhnout do okna)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Ctrl+PgDown, Ctrl+PgUp"), QT_TRANSLATE_NOOP("vlnokres::Texts", "další a předchozí scéna lekce")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "F1"), QT_TRANSLATE_NOOP("vlnokres::Texts", "tento přehled kláves")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "↑, ↓, kolečko myši"), QT_TRANSLATE_NOOP("vlnokres::Texts", "v políčku hodnota o krok (s Ctrl jemněji), obrázek ukáže konec běhu")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Enter v políčku"), QT_TRANSLATE_NOOP("vlnokres::Texts", "spustí animaci (Start)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "tažení myší"), QT_TRANSLATE_NOOP("vlnokres::Texts", "špička druhého vektoru mění amplitudu a fázi; s Ctrl po 0,1 a 15°")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Tab, Shift+Tab"), QT_TRANSLATE_NOOP("vlnokres::Texts", "přejít na další nebo předchozí ovládací prvek")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Mezerník, Enter"), QT_TRANSLATE_NOOP("vlnokres::Texts", "stisknout tlačítko, které má fokus")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "šipky, Home, End"), QT_TRANSLATE_NOOP("vlnokres::Texts", "na posuvníku zpomalení: o krok, na nejmenší, na největší")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "F10, Shift+F10, Menu"), QT_TRANSLATE_NOOP("vlnokres::Texts", "nabídka nad kreslicí plochou: lekce, příklady, časová osa, barvy, jazyk, tisk, zvuk")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "pravé tlačítko, podržení 0,6 s"), QT_TRANSLATE_NOOP("vlnokres::Texts", "na kreslicí ploše tutéž nabídku (podržení prstem nebo perem u tabule)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "šipky na kreslicí ploše"), QT_TRANSLATE_NOOP("vlnokres::Texts", "(Tab za políčky) mimo běh: ←, → otočí druhý vektor o 15° (s Ctrl o 1°), ↑, ↓ jej prodlouží a zkrátí o 0,1 (s Ctrl o 0,01)")},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "tažení se Shift"), QT_TRANSLATE_NOOP("vlnokres::Texts", "druhý vektor se jen otáčí (amplituda zůstává), fáze přiskočí k násobku 15° do 3°")},
};

// The phase box's degree is the program's own, as it has always drawn it; and what the menu
// offers for beats.
constexpr auto kDegreeNote = QT_TRANSLATE_NOOP("vlnokres::Texts", "Fázový posun se zadává ve stupních programu: stupeň je 0,0175 rad, takže 180° je "
                             "3,15 rad<br>a dvě opačné vlny po sečtení nechají nepatrný zbytek.");
constexpr auto kBeatsNote = QT_TRANSLATE_NOOP("vlnokres::Texts", "Časová osa ukáže 2, 20 nebo 100 period první vlny. Příklad „Zázněje“ ukáže dva "
                            "zázněje na 20 periodách,<br>„Slyšitelné zázněje“ na 100 periodách; při 220 Hz jich "
                            "zazní 4,4 za sekundu. Hlas „Obě vlny“<br>pustí první vlnu vlevo a druhou vpravo: "
                            "součet vznikne v místnosti (ve sluchátkách slyší každé ucho jen jeden tón).");

constexpr auto kName = "klavesoveZkratky";

} // namespace

bool isKeysHelp(const QWindow &window)
{
    const QWidget *top = QWidget::find(window.winId());
    return top && top->objectName() == QLatin1String(kName);
}

bool forgetKeysHelp(QWidget &parent)
{
    const auto *help = parent.findChild<QDialog *>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly);
    const bool open = help && help->isVisible();
    delete help;
    return open;
}

void showKeysHelp(QWidget &parent)
{
    auto *help = parent.findChild<QDialog *>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new QDialog(&parent);
        help->setObjectName(QString::fromLatin1(kName));
        help->setWindowTitle(Texts::tr("Klávesové zkratky"));
        help->setAccessibleName(help->windowTitle());
        QString rows;
        for (const auto &[key, meaning] : kKeys)
            rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(Texts::tr(key).toHtmlEscaped(), Texts::tr(meaning).toHtmlEscaped());
        // One label, with no word wrap: a wrapped one would not make the dialog tall enough.
        auto *table = new QLabel(
            QStringLiteral("<table cellspacing=\"6\">%1</table><p>%2</p><p>%3</p>")
                .arg(rows, Texts::tr(kDegreeNote), Texts::tr(kBeatsNote)),
            help);
        table->setTextFormat(Qt::RichText);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, help);
        QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QDialog::close);
        QObject::connect(help, &QDialog::finished, &parent, [&parent] { parent.activateWindow(); });
        auto *layout = new QVBoxLayout(help);
        layout->addWidget(table);
        layout->addWidget(buttons);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace vlnokres
