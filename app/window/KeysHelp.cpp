#include "KeysHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace vlnokres {
namespace {

constexpr const char *kKeys[][2] = {
    {"F11", "celá obrazovka, zapnout a vypnout"},
    {"Esc", "zastaví běžící animaci; jinak odstraní kurzory, pak ukončí celou obrazovku"},
    {"Ctrl+0", "původní velikost okna"},
    {"Ctrl++", "zvětšit okno"},
    {"Ctrl+-", "zmenšit okno"},
    {"P, Pause", "pozastavit a znovu spustit běžící animaci"},
    {"←, →", "v pozastavené animaci o krok zpět a vpřed"},
    {"PgUp, PgDn", "v pozastavené animaci o 1/26 běhu zpět a vpřed (50 kroků při 2 periodách)"},
    {"Home, End", "v pozastavené animaci na první a poslední krok"},
    {"Ctrl+S", "uložit obrázek nebo animaci"},
    {"Ctrl+Shift+C", "kopírovat obrázek do schránky"},
    {"Ctrl+P", "vytisknout obrázek na stránku A4 naležato"},
    {"Ctrl+H", "hodnoty součtu a obálka, zapnout a vypnout"},
    {"Ctrl+R", "skrýt součet, aby jej třída předpověděla, a znovu jej ukázat"},
    {"Ctrl+L", "popisky: výslednice, legenda, osy t a y s periodami T₁"},
    {"klepnutí na časovou osu", "mimo běh nebo v pauze kurzor A, pak B, další posune bližší; hodnoty vpravo"},
    {"Ctrl+M", "zvuk zapnout a vypnout"},
    {"Ctrl+Shift+M", "přehrát zvuk hodnot z políček (4 s)"},
    {"F1", "tento přehled kláves"},
    {"↑, ↓, kolečko myši", "v políčku hodnota o krok (s Ctrl jemněji), obrázek ukáže konec běhu"},
    {"Enter v políčku", "spustí animaci (Start)"},
    {"tažení myší", "špička druhého vektoru mění amplitudu a fázi; s Ctrl po 0,1 a 15°"},
    {"Tab, Shift+Tab", "přejít na další nebo předchozí ovládací prvek"},
    {"Mezerník, Enter", "stisknout tlačítko, které má fokus"},
    {"šipky, Home, End", "na posuvníku zpomalení: o krok, na nejmenší, na největší"},
    {"Menu, pravé tlačítko myši", "nabídka nad kreslicí plochou: příklady, časová osa, barvy, tisk, zvuk"},
};

// The phase box's degree is the program's own, as it has always drawn it; and what the menu
// offers for beats.
constexpr auto kDegreeNote = "Fázový posun se zadává ve stupních programu: stupeň je 0,0175 rad, takže 180° je "
                             "3,15 rad<br>a dvě opačné vlny po sečtení nechají nepatrný zbytek.";
constexpr auto kBeatsNote = "Časová osa ukáže 2, 20 nebo 100 period první vlny. Příklad „Zázněje“ ukáže dva "
                            "zázněje na 20 periodách,<br>„Slyšitelné zázněje“ na 100 periodách; při 220 Hz jich "
                            "zazní 4,4 za sekundu. Hlas „Obě vlny“<br>pustí první vlnu vlevo a druhou vpravo: "
                            "součet vznikne v místnosti (ve sluchátkách slyší každé ucho jen jeden tón).";

constexpr auto kName = "klavesoveZkratky";

} // namespace

bool isKeysHelp(const QWindow &window)
{
    const QWidget *top = QWidget::find(window.winId());
    return top && top->objectName() == QLatin1String(kName);
}

void showKeysHelp(QWidget &parent)
{
    auto *help = parent.findChild<QDialog *>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new QDialog(&parent);
        help->setObjectName(QString::fromLatin1(kName));
        help->setWindowTitle(QStringLiteral("Klávesové zkratky"));
        help->setAccessibleName(help->windowTitle());
        QString rows;
        for (const auto &[key, meaning] : kKeys)
            rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(QString::fromUtf8(key).toHtmlEscaped(), QString::fromUtf8(meaning).toHtmlEscaped());
        // One label, with no word wrap: a wrapped one would not make the dialog tall enough.
        auto *table = new QLabel(
            QStringLiteral("<table cellspacing=\"6\">%1</table><p>%2</p><p>%3</p>")
                .arg(rows, QString::fromUtf8(kDegreeNote), QString::fromUtf8(kBeatsNote)),
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
