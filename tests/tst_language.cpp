#include "TestWindow.h"
#include "app/cli/CommandLine.h"
#include "app/language/Language.h"
#include "app/picture/PictureExport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

using namespace vlnokres;

// The program in English: every text the window, its menus, its key help, its pictures and
// its command line show, and back in Czech exactly as it was.
class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void englishLeavesNoCzechAndCzechComesBackAsItWas();
    void everyMenuUnderlinesALetterOfItsOwn();
    void commandLineSpeaksTheLanguageAsked();
};

namespace {

void trigger(QWidget &window, const QString &text)
{
    for (QAction *action : window.actions())
        if (QString(action->text()).remove(u'&') == text)
            action->trigger();
    QCoreApplication::processEvents();
}

// Where a menu's items share an underlined letter, or have none or several: "Menu: text".
QStringList mnemonicFaults(const QMenu &menu, const QString &name)
{
    QStringList faults;
    QSet<QChar> used;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString text = QString(action->text()).replace(QStringLiteral("&&"), QString());
        const qsizetype at = text.indexOf(u'&');
        if (text.count(u'&') != 1 || at + 1 >= text.size() || used.contains(text[at + 1].toLower()))
            faults << name + QStringLiteral(": ") + action->text();
        else
            used.insert(text[at + 1].toLower());
        if (action->menu())
            faults << mnemonicFaults(*action->menu(), QString(action->text()).remove(u'&'));
    }
    return faults;
}

// The texts of a menu and of its submenus.
QStringList textsOf(const QMenu &menu)
{
    QStringList texts{menu.title(), menu.accessibleName()};
    for (const QAction *action : menu.actions()) {
        texts << QString(action->text()).remove(u'&');
        if (action->menu())
            texts << textsOf(*action->menu());
    }
    return texts;
}

// Czech is told by its letters, and by a few words that have none.
QStringList czechIn(const QStringList &texts)
{
    static const QRegularExpression kCzech(
        QStringLiteral("[ěščřžýáíéúůťďňóĚŠČŘŽÝÁÍÉÚŮŤĎŇÓ]|\\b(Hodnoty|Konec|Zvuk|Barvy|Popisky|Jazyk|Tisk|krok|nebo)\\b"));
    QStringList found;
    for (const QString &text : texts)
        if (text.contains(kCzech))
            found << text;
    return found;
}

} // namespace

void TestLanguage::englishLeavesNoCzechAndCzechComesBackAsItWas()
{
    const auto czechAfter = qScopeGuard([] { setLanguage(Language::Czech); });
    TestWindow w;
    QVERIFY(w.showActive());
    trigger(w.window, QStringLiteral("Hodnoty"));
    trigger(w.window, QStringLiteral("Popisky"));
    w.run(QStringLiteral("0,8"), QStringLiteral("1,1"), QStringLiteral("45"));
    const QImage czech = w.window.grab().toImage();
    // The key help open meanwhile opens again in English.
    trigger(w.window, QStringLiteral("Klávesové zkratky"));

    trigger(w.window, QStringLiteral("English"));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0.8"));
    QVERIFY(w.window.pictureCommands().suggestedPath().endsWith(QStringLiteral("/sum-of-sinusoids.png")));
    trigger(w.window, QStringLiteral("Hide the sum"));
    QVERIFY(w.window.drawingArea().accessibleDescription().contains(QStringLiteral("The sum is hidden")));
    QStringList texts{w.window.windowTitle(), w.window.drawingArea().accessibleName(),
                      w.window.drawingArea().accessibleDescription(), w.pace()->toolTip()};
    trigger(w.window, QStringLiteral("Hide the sum"));
    for (const QWidget *child : w.window.findChildren<QWidget *>()) {
        texts << child->accessibleName() << child->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(child))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(child))
            texts << button->text();
    }
    // The drawing area's menu, with every submenu, the sound's among them; each language is
    // named in its own words.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 400), w.window.mapToGlobal(QPoint(300, 400)));
    QApplication::sendEvent(&w.window, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QStringList menuTexts = textsOf(*menu);
    QVERIFY(menuTexts.contains(QStringLiteral("Language")) && menuTexts.contains(QStringLiteral("Čeština")));
    for (const QString &text : menuTexts)
        if (text != u"Čeština")
            texts << text;
    menu->close();
    const auto *help = w.window.findChild<QDialog *>(QStringLiteral("klavesoveZkratky"));
    QVERIFY(help && help->isVisible());
    texts << help->windowTitle();
    for (const QLabel *label : help->findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : help->findChildren<QAbstractButton *>())
        texts << button->text();
    // The picture, with its caption, readouts and labels, as SVG on the clipboard.
    trigger(w.window, QStringLiteral("Copy picture"));
    texts << QString::fromUtf8(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")));
    QVERIFY2(czechIn(texts).isEmpty(), qPrintable(czechIn(texts).join(u'\n')));
    QVERIFY(texts.join(u' ').contains(QStringLiteral("Amplitude 0.8 · Frequency 1.1 · Phase shift 45°")));
    // Numbers with a decimal point, and with a Czech decimal comma too.
    w.run(QStringLiteral("0,8"), QStringLiteral("1.1"), QStringLiteral("45"));

    trigger(w.window, QStringLiteral("Čeština"));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,8"));
    QCOMPARE(w.window.grab().toImage(), czech);
}

// --help and the command line's messages in the language asked; a language not known is
// refused in Czech, which is all that is known then.
void TestLanguage::commandLineSpeaksTheLanguageAsked()
{
    const auto czechAfter = qScopeGuard([] { setLanguage(Language::Czech); });
    const QStringList english{"vlnokres", "--language", "en", "--amplitude", "2"};
    QCOMPARE(languageAsked(english), std::optional(Language::English));
    QCOMPARE(languageAsked({"vlnokres", "--language=de"}), std::nullopt);
    setLanguage(Language::English);
    const auto refused = parseCommandLine(english);
    QCOMPARE(std::get<CommandLineError>(refused).message, QStringLiteral("The application does not allow an amplitude above 1.5"));
    QVERIFY(czechIn({helpText(), usageLine()}).isEmpty());
    const auto given = parseCommandLine({"vlnokres", "--language", "en"});
    QCOMPARE(std::get<CommandLine>(given).chosen.language, Language::English);
    QVERIFY(std::get<CommandLine>(given).given.contains(QStringLiteral("language")));
    setLanguage(Language::Czech);
    // Given twice, the last wins, for the messages, the pictures and the window alike.
    const std::pair<QStringList, Language> twice[] = {
        {{"vlnokres", "--language", "en", "--language", "cs"}, Language::Czech},
        {{"vlnokres", "--language=xx", "--language=en"}, Language::English},
    };
    for (const auto &[arguments, language] : twice) {
        QCOMPARE(languageAsked(arguments), std::optional(language));
        QCOMPARE(std::get<CommandLine>(parseCommandLine(arguments)).chosen.language, language);
    }
    QCOMPARE(std::get<CommandLineError>(parseCommandLine({"vlnokres", "--language", "de"})).message,
             QStringLiteral("Jazyk „de“ neznám: volba „--language“ bere cs nebo en."));
}

// The drawing area's menu and each of its submenus, in Czech and in English: every item has
// one underlined letter, none shared within its menu.
void TestLanguage::everyMenuUnderlinesALetterOfItsOwn()
{
    TestWindow w;
    QVERIFY(w.showActive());
    const auto restore = qScopeGuard([] { setLanguage(Language::Czech); });
    for (const Language language : {Language::Czech, Language::English}) {
        w.window.setUp().change([language](Chosen &c) { c.language = language; });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 400), w.window.mapToGlobal(QPoint(300, 400)));
        QApplication::sendEvent(&w.window, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QStringList faults = mnemonicFaults(*menu, QStringLiteral("menu"));
        menu->close();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
    w.window.setUp().change([](Chosen &c) { c.language = Language::Czech; });
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
