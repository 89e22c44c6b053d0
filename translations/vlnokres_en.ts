<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vlnokres::Texts</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 musí být %2 od %3 do %4%5.</source>
        <translation>%1 must be %2 from %3 to %4%5.</translation>
    </message>
    <message>
        <source>celé číslo</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>číslo</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>Neznámá volba %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Volba %1 nemá hodnotu.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <source>Volbě %1 chybí hodnota.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Příkazový řádek nelze použít.</source>
        <translation>The command line cannot be used.</translation>
    </message>
    <message>
        <source>Použití: vlnokres [volby]; nápověda: vlnokres --help</source>
        <translation>Usage: vlnokres [options]; help: vlnokres --help</translation>
    </message>
    <message>
        <source>Nečekaný argument %1.</source>
        <translation>Unexpected argument %1.</translation>
    </message>
    <message>
        <source>Jazyk %1 neznám: volba „--language“ bere cs nebo en.</source>
        <translation>Language %1 is unknown: the option “--language” takes cs or en.</translation>
    </message>
    <message>
        <source>Příklad %1 neznám; příklady jsou: %2.</source>
        <translation>Example %1 is unknown; the examples are: %2.</translation>
    </message>
    <message>
        <source>Zpomalení</source>
        <translation>Slowdown</translation>
    </message>
    <message>
        <source>Soubor %1 nemá příponu .png, .svg, .pdf, .gif ani .wav.</source>
        <translation>The file %1 has no extension .png, .svg, .pdf, .gif or .wav.</translation>
    </message>
    <message>
        <source>Animace GIF ukazuje celý běh; volba „--step“ platí jen pro obrázek.</source>
        <translation>An animated GIF shows the whole run; the option “--step” is for a picture only.</translation>
    </message>
    <message>
        <source>Barvy %1 neznám: volba „--colours“ bere standard, colour-blind nebo print.</source>
        <translation>Palette %1 is unknown: the option “--colours” takes standard, colour-blind or print.</translation>
    </message>
    <message>
        <source>pro okno, ne s volbou „--render“</source>
        <translation>for the window, not with the option “--render”</translation>
    </message>
    <message>
        <source>Volba %1 platí jen %2.</source>
        <translation>The option %1 is only %2.</translation>
    </message>
    <message>
        <source>Hlas %1 neznám: volba „--sound“ bere off, first, second, sum nebo stereo.</source>
        <translation>Voice %1 is unknown: the option “--sound” takes off, first, second, sum or stereo.</translation>
    </message>
    <message>
        <source>Se zvukem vypnutým („--sound off“) nelze zapsat soubor .wav.</source>
        <translation>With the sound off (“--sound off”) no .wav file can be written.</translation>
    </message>
    <message>
        <source>Základní tón</source>
        <translation>The base tone</translation>
    </message>
    <message>
        <source>Délka zvuku</source>
        <translation>The length of the sound</translation>
    </message>
    <message>
        <source>sekund</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Časovou osu %1 neznám: volba „--periods“ bere 2, 20 nebo 100.</source>
        <translation>Time axis %1 is unknown: the option “--periods” takes 2, 20 or 100.</translation>
    </message>
    <message>
        <source>Stránku %1 neznám: volba „--page“ bere a4.</source>
        <translation>Page %1 is unknown: the option “--page” takes a4.</translation>
    </message>
    <message>
        <source>Kurzory %1 nelze použít: volba „--cursors“ bere jeden nebo dva časy od 0 do %2 period první sinusoidy, oddělené dvojtečkou (0,62:0,87).</source>
        <translation>Cursors %1 cannot be used: the option “--cursors” takes one or two times from 0 to %2 periods of the first sinusoid, separated by a colon (0.62:0.87).</translation>
    </message>
    <message>
        <source>Krok</source>
        <translation>The step</translation>
    </message>
    <message>
        <source>Měřítko</source>
        <translation>The scale</translation>
    </message>
    <message>
        <source>Měřítko animace GIF</source>
        <translation>The scale of an animated GIF</translation>
    </message>
    <message>
        <source>Vlnokres potřebuje grafické prostředí, ale proměnné DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny.</source>
        <translation>Vlnokres needs a graphical environment, but neither DISPLAY nor WAYLAND_DISPLAY is set.</translation>
    </message>
    <message>
        <source>Vlnokres se nemůže připojit ke grafickému prostředí (%1).</source>
        <translation>Vlnokres cannot connect to the graphical environment (%1).</translation>
    </message>
    <message>
        <source>Animaci</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Obrázek</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Druhý tón (%1 Hz) je mimo slyšitelné pásmo</source>
        <translation>The second tone (%1 Hz) is out of hearing</translation>
    </message>
    <message>
        <source>%1: soubor by byl tichý.</source>
        <translation>%1: the file would be silent.</translation>
    </message>
    <message>
        <source>%1; soubor obsahuje jen první.</source>
        <translation>%1; the file holds the first alone.</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Součet dvou sinusovek</source>
        <translation>Sum of two sinusoids</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Obrázek SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Animace GIF (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>Obrázek nelze uložit</source>
        <translation>The picture cannot be saved</translation>
    </message>
    <message>
        <source>Uložit obrázek</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Tisk obrázku</source>
        <translation>Print the picture</translation>
    </message>
    <message>
        <source>Obrázek nelze vytisknout</source>
        <translation>The picture cannot be printed</translation>
    </message>
    <message>
        <source>Tiskárnu nebo soubor, do kterého se tiskne, se nepodařilo otevřít.</source>
        <translation>The printer, or the file printed to, could not be opened.</translation>
    </message>
    <message>
        <source>Amplituda %1 · Kmitočet %2 · Fázový posun %3°</source>
        <translation>Amplitude %1 · Frequency %2 · Phase shift %3°</translation>
    </message>
    <message>
        <source>Soubor „%1“ nemá příponu .png, .svg, .pdf ani .gif.</source>
        <translation>The file “%1” has no extension .png, .svg, .pdf or .gif.</translation>
    </message>
    <message>
        <source>chybí oprávnění k zápisu</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>systém souborů je jen pro čtení</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>disk je plný</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>byla překročena kvóta disku</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>složka neexistuje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>složka %1 neexistuje</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 není složka</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>soubor je chráněn proti zápisu</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>do složky %1 nelze zapisovat</source>
        <translation>the folder %1 cannot be written to</translation>
    </message>
    <message>
        <source>soubor nelze zapsat (%1)</source>
        <translation>the file cannot be written (%1)</translation>
    </message>
    <message>
        <source>obrázek se nepodařilo sestavit</source>
        <translation>the picture could not be made</translation>
    </message>
    <message>
        <source>%1 „%2“ nelze uložit: %3.</source>
        <translation>%1 “%2” cannot be saved: %3.</translation>
    </message>
    <message>
        <source>není to obyčejný soubor</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>delší než 10 000 %1</source>
        <translation>longer than 10,000 %1</translation>
    </message>
    <message>
        <source>Součet: amplituda %1, fázový posun %2</source>
        <translation>Sum: amplitude %1, phase shift %2</translation>
    </message>
    <message>
        <source>neurčen</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>Obálka součtu: %1 až %2, perioda %3</source>
        <translation>Envelope of the sum: %1 to %2, period %3</translation>
    </message>
    <message>
        <source>Rozsah součtu: %1 až %2</source>
        <translation>Range of the sum: %1 to %2</translation>
    </message>
    <message>
        <source>Zatím prázdná: hodnoty druhé sinusoidy se zadají do polí a animaci spustí tlačítko Start.</source>
        <translation>Empty so far: type the values of the second sinusoid into the boxes and start the animation with the Start button.</translation>
    </message>
    <message>
        <source>Amplituda %1, kmitočet %2, fázový posun %3°.</source>
        <translation>Amplitude %1, frequency %2, phase shift %3°.</translation>
    </message>
    <message>
        <source>period první sinusoidy</source>
        <translation>periods of the first sinusoid</translation>
    </message>
    <message>
        <source>Součet je skrytý</source>
        <translation>The sum is hidden</translation>
    </message>
    <message>
        <source>. Časová osa ukazuje %1 period</source>
        <translation>. The time axis shows %1 periods</translation>
    </message>
    <message>
        <source>%1 %2. Animace běží.</source>
        <translation>%1 %2. The animation is running.</translation>
    </message>
    <message>
        <source>%1 %2. Krok %3 z %4%5.</source>
        <translation>%1 %2. Step %3 of %4%5.</translation>
    </message>
    <message>
        <source>, pozastaveno</source>
        <translation>, paused</translation>
    </message>
    <message>
        <source>Vypnuto</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>První sinusoida</source>
        <translation>First sinusoid</translation>
    </message>
    <message>
        <source>Druhá sinusoida</source>
        <translation>Second sinusoid</translation>
    </message>
    <message>
        <source>Součet</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Obě vlny: první vlevo, druhá vpravo</source>
        <translation>Both waves: first left, second right</translation>
    </message>
    <message>
        <source>Základní tón %1 Hz</source>
        <translation>Base tone %1 Hz</translation>
    </message>
    <message>
        <source>Zvuk není k dispozici</source>
        <translation>No sound output</translation>
    </message>
    <message>
        <source>Oba tóny %1 Hz</source>
        <translation>Both tones %1 Hz</translation>
    </message>
    <message>
        <source>Tóny %1 Hz a %2 Hz</source>
        <translation>Tones %1 Hz and %2 Hz</translation>
    </message>
    <message>
        <source>: slyšet jako dva tóny</source>
        <translation>: heard as two tones</translation>
    </message>
    <message>
        <source>: zázněje %1× za sekundu</source>
        <translation>: beats %1 times a second</translation>
    </message>
    <message>
        <source>: %1 záznějů za sekundu, slyšet jako drsnost</source>
        <translation>: %1 beats a second, heard as roughness</translation>
    </message>
    <message>
        <source>Vlnokres: zvukový výstup není k dispozici, zvuk zůstane vypnutý.
</source>
        <translation>Vlnokres: no sound output, the sound stays off.
</translation>
    </message>
    <message>
        <source>Fázový posun</source>
        <translation>Phase shift</translation>
    </message>
    <message>
        <source>Kmitočet</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Amplituda</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Klepněte na tlačitko Start</source>
        <translation>Click the Start button</translation>
    </message>
    <message>
        <source>Parametry druhé sinusoidy (relativně k první )</source>
        <translation>Second sinusoid (relative to the first)</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>celá obrazovka, zapnout a vypnout</source>
        <translation>full screen on and off</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>zastaví běžící animaci; jinak odstraní kurzory, pak ukončí celou obrazovku</source>
        <translation>stops a running animation; else removes the cursors, then leaves full screen</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>původní velikost okna</source>
        <translation>the window&apos;s original size</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>zvětšit okno</source>
        <translation>larger window</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>zmenšit okno</source>
        <translation>smaller window</translation>
    </message>
    <message>
        <source>P, Pause</source>
        <translation>P, Pause</translation>
    </message>
    <message>
        <source>pozastavit a znovu spustit běžící animaci</source>
        <translation>pause and resume a running animation</translation>
    </message>
    <message>
        <source>←, →</source>
        <translation>←, →</translation>
    </message>
    <message>
        <source>v pozastavené animaci o krok zpět a vpřed</source>
        <translation>in a paused animation one step back and forward</translation>
    </message>
    <message>
        <source>PgUp, PgDn</source>
        <translation>PgUp, PgDn</translation>
    </message>
    <message>
        <source>v pozastavené animaci o 1/26 běhu zpět a vpřed (50 kroků při 2 periodách)</source>
        <translation>in a paused animation 1/26 of the run back and forward (50 steps at 2 periods)</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>v pozastavené animaci na první a poslední krok</source>
        <translation>in a paused animation to the first and the last step</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>uložit obrázek nebo animaci</source>
        <translation>save the picture or the animation</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>kopírovat obrázek do schránky</source>
        <translation>copy the picture to the clipboard</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>vytisknout obrázek na stránku A4 naležato</source>
        <translation>print the picture on an A4 page in landscape</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>hodnoty součtu a obálka, zapnout a vypnout</source>
        <translation>the sum&apos;s values and envelope on and off</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>skrýt součet, aby jej třída předpověděla, a znovu jej ukázat</source>
        <translation>hide the sum so that the class predicts it, and show it again</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>popisky: výslednice, legenda, osy t a y s periodami T₁</source>
        <translation>labels: the resultant, a legend, the axes t and y with periods T₁</translation>
    </message>
    <message>
        <source>klepnutí na časovou osu</source>
        <translation>click on the time axis</translation>
    </message>
    <message>
        <source>mimo běh nebo v pauze kurzor A, pak B, další posune bližší; hodnoty vpravo</source>
        <translation>when no run goes on or paused: cursor A, then B, later ones move the nearer; values on the right</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>zvuk zapnout a vypnout</source>
        <translation>sound on and off</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>přehrát zvuk hodnot z políček (4 s)</source>
        <translation>play the sound of the boxes&apos; values (4 s)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>tento přehled kláves</source>
        <translation>this list of keys</translation>
    </message>
    <message>
        <source>↑, ↓, kolečko myši</source>
        <translation>↑, ↓, mouse wheel</translation>
    </message>
    <message>
        <source>v políčku hodnota o krok (s Ctrl jemněji), obrázek ukáže konec běhu</source>
        <translation>in a box the value by a step (finer with Ctrl), the picture shows the run&apos;s end</translation>
    </message>
    <message>
        <source>Enter v políčku</source>
        <translation>Enter in a box</translation>
    </message>
    <message>
        <source>spustí animaci (Start)</source>
        <translation>starts the animation (Start)</translation>
    </message>
    <message>
        <source>tažení myší</source>
        <translation>dragging with the mouse</translation>
    </message>
    <message>
        <source>špička druhého vektoru mění amplitudu a fázi; s Ctrl po 0,1 a 15°</source>
        <translation>the second vector&apos;s tip changes the amplitude and phase; with Ctrl by 0.1 and 15°</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>přejít na další nebo předchozí ovládací prvek</source>
        <translation>go to the next or the previous control</translation>
    </message>
    <message>
        <source>Mezerník, Enter</source>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <source>stisknout tlačítko, které má fokus</source>
        <translation>press the button that has the focus</translation>
    </message>
    <message>
        <source>šipky, Home, End</source>
        <translation>arrows, Home, End</translation>
    </message>
    <message>
        <source>na posuvníku zpomalení: o krok, na nejmenší, na největší</source>
        <translation>on the slowdown bar: by a step, to the least, to the most</translation>
    </message>
    <message>
        <source>nabídka nad kreslicí plochou: lekce, příklady, časová osa, barvy, jazyk, tisk, zvuk</source>
        <translation>the menu over the drawing area: lessons, examples, time axis, palettes, language, print, sound</translation>
    </message>
    <message>
        <source>Fázový posun se zadává ve stupních programu: stupeň je 0,0175 rad, takže 180° je 3,15 rad&lt;br&gt;a dvě opačné vlny po sečtení nechají nepatrný zbytek.</source>
        <translation>The phase shift is given in the program&apos;s degrees: a degree is 0.0175 rad, so that 180° is 3.15 rad&lt;br&gt;and two opposite waves leave a tiny residue when added.</translation>
    </message>
    <message>
        <source>Časová osa ukáže 2, 20 nebo 100 period první vlny. Příklad „Zázněje“ ukáže dva zázněje na 20 periodách,&lt;br&gt;„Slyšitelné zázněje“ na 100 periodách; při 220 Hz jich zazní 4,4 za sekundu. Hlas „Obě vlny“&lt;br&gt;pustí první vlnu vlevo a druhou vpravo: součet vznikne v místnosti (ve sluchátkách slyší každé ucho jen jeden tón).</source>
        <translation>The time axis shows 2, 20 or 100 periods of the first wave. The example “Beats” shows two beats at 20 periods,&lt;br&gt;“Audible beats” at 100 periods; at 220 Hz 4.4 of them are heard a second. The voice “Both waves”&lt;br&gt;plays the first wave on the left and the second on the right: the sum forms in the room (with headphones each ear hears one tone only).</translation>
    </message>
    <message>
        <source>Klávesové zkratky</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Součet dvou sinusoid - https://vlnokres.example/</source>
        <translation>Sum of two sinusoids - https://vlnokres.example/</translation>
    </message>
    <message>
        <source> – pozastaveno</source>
        <translation> – paused</translation>
    </message>
    <message>
        <source>2 periody</source>
        <translation>2 periods</translation>
    </message>
    <message>
        <source>20 period</source>
        <translation>20 periods</translation>
    </message>
    <message>
        <source>100 period</source>
        <translation>100 periods</translation>
    </message>
    <message>
        <source>Původní</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Pro barvoslepé</source>
        <translation>For colour-blind eyes</translation>
    </message>
    <message>
        <source>Pro tisk a projektor</source>
        <translation>For print and the projector</translation>
    </message>
    <message>
        <source>Kresba součtu dvou sinusoid</source>
        <translation>Drawing of the sum of two sinusoids</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Původní velikost</source>
        <translation>Original size</translation>
    </message>
    <message>
        <source>Zvětšit</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Zmenšit</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>O krok zpět</source>
        <translation>A step back</translation>
    </message>
    <message>
        <source>O krok vpřed</source>
        <translation>A step forward</translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Kopírovat obrázek</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Tisk…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Hodnoty</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Skrýt součet</source>
        <translation>Hide the sum</translation>
    </message>
    <message>
        <source>Popisky</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Příklady</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Časová osa</source>
        <translation>Time axis</translation>
    </message>
    <message>
        <source>Kopírovat jako příkaz</source>
        <translation>Copy as a command</translation>
    </message>
    <message>
        <source>Barvy</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Zvuk zapnout a vypnout</source>
        <translation>Sound on and off</translation>
    </message>
    <message>
        <source>Přehrát zvuk</source>
        <translation>Play the sound</translation>
    </message>
    <message>
        <source> – krok %1 z %2</source>
        <translation> – step %1 of %2</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Zobrazení</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Hodnotu „%1“ lze číst jako %2 i jako %3. Napište ji bez tečky.</source>
        <translation>The value “%1” reads both as %2 and as %3. Write it without the point.</translation>
    </message>
    <message>
        <source>Hodnotu „%1“ lze číst jen jako %2 s tečkami mezi tisíci. Napište ji bez teček.</source>
        <translation>The value “%1” reads only as %2 with points between thousands. Write it without the points.</translation>
    </message>
    <message>
        <source>Neplatná hodnota</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Zpomalení %1: běh trvá %2 s</source>
        <translation>Slowdown %1: a run takes %2 s</translation>
    </message>
    <message>
        <source>y₁ (první)</source>
        <translation>y₁ (first)</translation>
    </message>
    <message>
        <source>y₂ (druhá)</source>
        <translation>y₂ (second)</translation>
    </message>
    <message>
        <source>Stejná fáze</source>
        <translation>Same phase</translation>
    </message>
    <message>
        <source>Opačná fáze</source>
        <translation>Opposite phase</translation>
    </message>
    <message>
        <source>Posun o čtvrt periody</source>
        <translation>Shifted by a quarter period</translation>
    </message>
    <message>
        <source>Zázněje</source>
        <translation>Beats</translation>
    </message>
    <message>
        <source>Slyšitelné zázněje</source>
        <translation>Audible beats</translation>
    </message>
    <message>
        <source>Druhá harmonická</source>
        <translation>Second harmonic</translation>
    </message>
    <message>
        <source>Začátek obdélníkového průběhu</source>
        <translation>The start of a square wave</translation>
    </message>
    <message>
        <source>Amplituda musí být číslo.</source>
        <translation>The amplitude must be a number.</translation>
    </message>
    <message>
        <source>Omezení amplitudy</source>
        <translation>Amplitude limit</translation>
    </message>
    <message>
        <source>Aplikace nedovoluje větší amplitudu než 1,5</source>
        <translation>The application does not allow an amplitude above 1.5</translation>
    </message>
    <message>
        <source>Amplituda je mimo rozsah čísel, se kterými program počítá.</source>
        <translation>The amplitude is outside the range of numbers the program computes with.</translation>
    </message>
    <message>
        <source>Kmitočet musí být číslo.</source>
        <translation>The frequency must be a number.</translation>
    </message>
    <message>
        <source>Kmitočet je mimo rozsah čísel, se kterými program počítá.</source>
        <translation>The frequency is outside the range of numbers the program computes with.</translation>
    </message>
    <message>
        <source>Fázový posun musí být číslo.</source>
        <translation>The phase shift must be a number.</translation>
    </message>
    <message>
        <source>Fázový posun je mimo rozsah čísel, se kterými program počítá.</source>
        <translation>The phase shift is outside the range of numbers the program computes with.</translation>
    </message>
    <message>
        <source>do obrázku</source>
        <translation>to a picture</translation>
    </message>
    <message>
        <source>do souboru %1</source>
        <translation>to a %1 file</translation>
    </message>
    <message>
        <source>%1 nebo %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>spolu s volbou „--render“ %1</source>
        <translation>with the option “--render” %1</translation>
    </message>
    <message>
        <source>pro okno nebo s volbou „--render“ %1</source>
        <translation>for the window or with the option “--render” %1</translation>
    </message>
    <message>
        <source>soucet-sinusovek.png</source>
        <translation>sum-of-sinusoids.png</translation>
    </message>
    <message>
        <source>Argument %1 obsahuje bajty, které nejsou textem v kódování systému.</source>
        <translation>The argument %1 holds bytes that are no text in the system&apos;s encoding.</translation>
    </message>
    <message>
        <source>název je příliš dlouhý</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>soubor by byl příliš velký</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>zařízení ohlásilo chybu čtení nebo zápisu</source>
        <translation>the device reported a read or write error</translation>
    </message>
    <message>
        <source>cesta je příliš dlouhá</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>soubor nelze zapsat</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>Vlnokres: zvukový výstup se ztratil; při dalším zvuku ho program hledá znovu.
</source>
        <translation>Vlnokres: the sound output was lost; the program looks for it again for the next sound.
</translation>
    </message>
    <message>
        <source>Zvukový výstup přestal hrát. Při dalším běhu nebo přehrání zvuku ho program zkusí najít znovu.</source>
        <translation>The sound output stopped playing. The program will look for it again for the next run or sample.</translation>
    </message>
    <message>
        <source>Lekci lze otevřít v okně, nebo s volbou „--render“ zapsat jako pracovní list do souboru .pdf.</source>
        <translation>A lesson opens in the window, or is written as a worksheet to a .pdf file with the option “--render”.</translation>
    </message>
    <message>
        <source>Volba %1 platí jen s lekcí (vlnokres LEKCE.vlnokres).</source>
        <translation>The option %1 is only for a lesson (vlnokres LESSON.vlnokres).</translation>
    </message>
    <message>
        <source>Scéna</source>
        <translation>The scene</translation>
    </message>
    <message>
        <source>Pracovní list</source>
        <translation>The worksheet</translation>
    </message>
    <message>
        <source>Otevřít lekci…</source>
        <translation>Open lesson…</translation>
    </message>
    <message>
        <source>Přidat scénu…</source>
        <translation>Add scene…</translation>
    </message>
    <message>
        <source>Odebrat scénu</source>
        <translation>Remove scene</translation>
    </message>
    <message>
        <source>Uložit lekci</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>Uložit lekci jako…</source>
        <translation>Save lesson as…</translation>
    </message>
    <message>
        <source>Další scéna</source>
        <translation>Next scene</translation>
    </message>
    <message>
        <source>Předchozí scéna</source>
        <translation>Previous scene</translation>
    </message>
    <message>
        <source>Tisk lekce…</source>
        <translation>Print lesson…</translation>
    </message>
    <message>
        <source>Lekce (*%1)</source>
        <translation>Lessons (*%1)</translation>
    </message>
    <message>
        <source>Z lekce %1 nelze použít všechno:
%2</source>
        <translation>Not all of the lesson %1 can be used:
%2</translation>
    </message>
    <message>
        <source>Nová lekce</source>
        <translation>New lesson</translation>
    </message>
    <message>
        <source>Scéna %1 z %2</source>
        <translation>Scene %1 of %2</translation>
    </message>
    <message>
        <source>Lekce</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Nedávné lekce</source>
        <translation>Recent lessons</translation>
    </message>
    <message>
        <source>Ukázkové lekce</source>
        <translation>Example lessons</translation>
    </message>
    <message>
        <source>Otevřít lekci</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>lekce</source>
        <translation>lesson</translation>
    </message>
    <message>
        <source>Tisk lekce</source>
        <translation>Print lesson</translation>
    </message>
    <message>
        <source>Přidat scénu</source>
        <translation>Add scene</translation>
    </message>
    <message>
        <source>&amp;Titulek:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Otázka pro třídu:</source>
        <translation>&amp;Question for the class:</translation>
    </message>
    <message>
        <source>%1: titulek a otázka musí být text.</source>
        <translation>%1: the title and the question must be text.</translation>
    </message>
    <message>
        <source>%1: text delší než %2 znaků je zkrácen.</source>
        <translation>%1: a text longer than %2 characters is cut short.</translation>
    </message>
    <message>
        <source>%1: hodnota „%2“ nemá správný druh.</source>
        <translation>%1: the value “%2” is of the wrong kind.</translation>
    </message>
    <message>
        <source>Lekci %1 nelze otevřít: %2.</source>
        <translation>The lesson %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>není to lekce, soubor JSON je poškozený u znaku %1</source>
        <translation>it is not a lesson, the JSON file is damaged at character %1</translation>
    </message>
    <message>
        <source>není to lekce programu Vlnokres</source>
        <translation>it is not a Vlnokres lesson</translation>
    </message>
    <message>
        <source>lekce neudává verzi svého formátu</source>
        <translation>the lesson gives no version of its format</translation>
    </message>
    <message>
        <source>lekci zapsala novější verze programu (formát %1, tato verze čte formát %2)</source>
        <translation>a newer version of the program wrote it (format %1; this version reads format %2)</translation>
    </message>
    <message>
        <source>lekce nemá seznam scén</source>
        <translation>the lesson has no list of scenes</translation>
    </message>
    <message>
        <source>Scéna %1</source>
        <translation>Scene %1</translation>
    </message>
    <message>
        <source>Scény od %1. dál jsou vynechány: lekce má nejvýš %2 scén.</source>
        <translation>The scenes from the %1th on are left out: a lesson has at most %2 scenes.</translation>
    </message>
    <message>
        <source>%1 není scéna a je vynechána.</source>
        <translation>%1 is not a scene and is left out.</translation>
    </message>
    <message>
        <source>%1 Scéna je vynechána.</source>
        <translation>%1 The scene is left out.</translation>
    </message>
    <message>
        <source>lekce nemá žádnou scénu</source>
        <translation>the lesson has no scene</translation>
    </message>
    <message>
        <source>žádnou scénu nelze použít (%1)</source>
        <translation>no scene can be used (%1)</translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>soubor je na lekci příliš velký (nejvýš %1 MB)</source>
        <translation>the file is too large for a lesson (at most %1 MB)</translation>
    </message>
    <message>
        <source>chybí oprávnění ke čtení</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>soubor nelze číst</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>Lekci %1 nelze uložit: %2.</source>
        <translation>The lesson %1 cannot be saved: %2.</translation>
    </message>
    <message>
        <source>Jméno: ____________________</source>
        <translation>Name: ____________________</translation>
    </message>
    <message>
        <source>Řešení: součet je zobrazen.</source>
        <translation>Answer: the sum is shown.</translation>
    </message>
    <message>
        <source>Do časového grafu nakreslete, jak bude vypadat součet. Poznámky:</source>
        <translation>Sketch the sum on the time graph. Notes:</translation>
    </message>
    <message>
        <source>Otázka: %1</source>
        <translation>Question: %1</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>otevřít lekci (soubor .vlnokres; lze ho i přetáhnout do okna)</source>
        <translation>open a lesson (a .vlnokres file; it may also be dropped on the window)</translation>
    </message>
    <message>
        <source>Ctrl+PgDown, Ctrl+PgUp</source>
        <translation>Ctrl+PgDown, Ctrl+PgUp</translation>
    </message>
    <message>
        <source>další a předchozí scéna lekce</source>
        <translation>the lesson&apos;s next and previous scene</translation>
    </message>
    <message>
        <source>Lekce „%1“ má neuložené změny. Uložit je?</source>
        <translation>The lesson “%1” has changes not saved. Save them?</translation>
    </message>
    <message>
        <source>F10, Shift+F10, Menu</source>
        <translation>F10, Shift+F10, Menu</translation>
    </message>
    <message>
        <source>pravé tlačítko, podržení 0,6 s</source>
        <translation>right button, a press held 0.6 s</translation>
    </message>
    <message>
        <source>na kreslicí ploše tutéž nabídku (podržení prstem nebo perem u tabule)</source>
        <translation>on the drawing area the same menu (a finger or a pen held still at the whiteboard)</translation>
    </message>
    <message>
        <source>tažení se Shift</source>
        <translation>dragging with Shift</translation>
    </message>
    <message>
        <source>druhý vektor se jen otáčí (amplituda zůstává), fáze přiskočí k násobku 15° do 3°</source>
        <translation>the second vector only turns (the amplitude stays), the phase snaps to a multiple of 15° within 3°</translation>
    </message>
    <message>
        <source>1/Δt = %1 f₁ = %2 Hz při %3 Hz</source>
        <translation>1/Δt = %1 f₁ = %2 Hz at %3 Hz</translation>
    </message>
    <message>
        <source>šipky na kreslicí ploše</source>
        <translation>arrows on the drawing area</translation>
    </message>
    <message>
        <source>(Tab za políčky) mimo běh: ←, → otočí druhý vektor o 15° (s Ctrl o 1°), ↑, ↓ jej prodlouží a zkrátí o 0,1 (s Ctrl o 0,01)</source>
        <translation>(Tab after the boxes) outside a run: ←, → turn the second vector by 15° (by 1° with Ctrl), ↑, ↓ lengthen and shorten it by 0.1 (by 0.01 with Ctrl)</translation>
    </message>
    <message>
        <source>Velké písmo</source>
        <translation>Large text</translation>
    </message>
    <message>
        <source>dvojklik na časovou osu</source>
        <translation>double click on the time axis</translation>
    </message>
    <message>
        <source>kurzor na nejbližší maximum nebo minimum součtu (při záznějích obálky)</source>
        <translation>the cursor to the sum&apos;s nearest maximum or minimum (of the envelope where it beats)</translation>
    </message>
    <message>
        <source>Použití: vlnokres [volby] [LEKCE.vlnokres]
Součet dvou sinusovek: názorně ukazuje, jak se sčítají dvě sinusovky.

Volby:
  --amplitude A     amplituda druhé sinusovky vůči první (nejvýš %1)
  --frequency F     kmitočet druhé sinusovky vůči první
  --phase STUPNĚ    fázový posun druhé sinusovky ve stupních
  --slowdown S      zpomalení animace, celé číslo od %2 do %3
  --start           spustí animaci, jakmile se okno ukáže
  --render SOUBOR   neotevře okno: nakreslí celou animaci naráz a uloží obrázek;
                    formát podle přípony: .png, .svg nebo .pdf; .gif zapíše celý
                    běh jako animaci GIF ve skutečném čase podle zpomalení
  --step N          s --render: obrázek, jak vypadá po N-tém kroku (1 až %4,
                    s delší časovou osou až počet jejích kroků; jinak po posledním)
  --periods N       časová osa: 2 periody první sinusoidy (výchozí), 20 nebo 100;
                    v okně i v obrázcích
  --scale K         s --render do PNG nebo GIF: pixelů obrázku na pixel okna
                    (výchozí %5, pro GIF %6 a nejvýš %7)
  --colours BARVY   standard (výchozí), colour-blind (první sinusoida modře, druhá
                    rumělkově, pro barvoslepé) nebo print (pro tisk a projektor:
                    bílé pozadí, druhá čárkovaně, součet silněji); v okně i v obrázcích
  --sound HLAS      zvuk v okně: off (výchozí), first, second, sum nebo stereo
                    (první sinusoida, druhá, součet, obě: první vlevo, druhá vpravo)
  --tone HZ         základní tón první sinusoidy, %8 až %9 Hz (výchozí %10)
  --render SOUBOR.wav  zapíše zvuk (hlas podle --sound, jinak součet) do souboru WAV
  --duration S      s --render do WAV: délka zvuku v sekundách, %11 až %12 (výchozí %13)
  --values          hodnoty součtu a obálka v okně i v obrázku
  --hide-sum        skryje součet (jeho stopu, výslednici, hodnoty), aby jej třída
                    nejdřív předpověděla; v okně i v obrázku
  --labels          popisky: výslednice, legenda, osy t a y s periodami T₁
  --cursors A[:B]   kurzory na časové ose v periodách první sinusoidy (0,62:0,87)
  --large-text      velké písmo: hodnoty, popisky, kurzory a legenda dvakrát větší
  --perpendicular   kolmé kmity: první vlna podél x, druhá podél y; dolní diagram
                    kreslí obrazec bodu v rovině x–y místo součtu
  --page a4         s --render do PDF: obrázek na stránce A4 naležato, jako při tisku
  --language JAZYK  cs (čeština, výchozí) nebo en (angličtina), jen pro toto spuštění
  --preset JMÉNO    hodnoty a časová osa příkladu: stejna-faze, opacna-faze,
                    ctvrt-periody, zazneje, zazneje-slysitelne, druha-harmonicka,
                    obdelnik; kolmé kmity: kruznice, usecka, elipsa, pomer-1-2,
                    pomer-2-3 (volby hodnot a osy mají přednost)
  LEKCE.vlnokres    otevře lekci: její scény s otázkami pro třídu
  --scene N         s lekcí: otevře ji na N-té scéně
  --render LIST.pdf LEKCE.vlnokres  zapíše pracovní list lekce: scénu na stránku A4
  --answers         s pracovním listem: součty jsou zobrazeny (řešení)
  -h, --help        vypíše tuto nápovědu
  -v, --version     vypíše verzi programu

Čísla lze psát s desetinnou čárkou i tečkou, v každém jazykovém prostředí stejně,
bez oddělovačů tisíců. Program přijímá i obvyklé volby knihovny Qt (-platform,
-display, -style a další).
Návratové hodnoty: 0 v pořádku, 1 obrázek nebo zvuk nelze zapsat nebo chybí grafické
prostředí,
2 chybný příkazový řádek nebo hodnota.
</source>
        <translation>Usage: vlnokres [options] [LESSON.vlnokres]
Sum of two sinusoids: shows how two sinusoids add up.

Options:
  --amplitude A     amplitude of the second sinusoid relative to the first (at most %1)
  --frequency F     frequency of the second sinusoid relative to the first
  --phase DEGREES   phase shift of the second sinusoid in degrees
  --slowdown S      slowdown of the animation, a whole number from %2 to %3
  --start           starts the animation as soon as the window shows
  --render FILE     opens no window: draws the whole animation at once and saves the
                    picture; the format by the extension: .png, .svg or .pdf; .gif
                    writes the whole run as an animated GIF in real time at the slowdown
  --step N          with --render: the picture as it stands after step N (1 to %4,
                    on a longer time axis up to its number of steps; else after the last)
  --periods N       time axis: 2 periods of the first sinusoid (the default), 20 or 100;
                    in the window and in pictures
  --scale K         with --render to PNG or GIF: picture pixels per window pixel
                    (default %5, for a GIF %6 and at most %7)
  --colours PALETTE standard (the default), colour-blind (the first sinusoid blue, the
                    second vermillion, for colour-blind eyes) or print (for print and the
                    projector: white background, the second dashed, the sum thicker);
                    in the window and in pictures
  --sound VOICE     sound in the window: off (the default), first, second, sum or stereo
                    (the first sinusoid, the second, the sum, both: first left, second right)
  --tone HZ         base tone of the first sinusoid, %8 to %9 Hz (default %10)
  --render FILE.wav  writes the sound (the voice --sound names, else the sum) to a WAV file
  --duration S      with --render to WAV: length of the sound in seconds, %11 to %12 (default %13)
  --values          the sum&apos;s values and envelope in the window and in the picture
  --hide-sum        hides the sum (its trace, the resultant, its values) so that the class
                    can predict it first; in the window and in the picture
  --labels          labels: the resultant, a legend, the axes t and y with periods T₁
  --cursors A[:B]   cursors on the time axis in periods of the first sinusoid (0.62:0.87)
  --large-text      large text: the readouts, labels, cursors and legend twice as large
  --perpendicular   oscillations at right angles: the first along x, the second along y;
                    the lower diagram draws the point&apos;s figure in the x–y plane, not the sum
  --page a4         with --render to PDF: the picture on an A4 page in landscape, as printed
  --language LANG   cs (Czech, the default) or en (English), for this session only
  --preset NAME     the values and time axis of an example: stejna-faze, opacna-faze,
                    ctvrt-periody, zazneje, zazneje-slysitelne, druha-harmonicka,
                    obdelnik; at right angles: kruznice, usecka, elipsa, pomer-1-2,
                    pomer-2-3 (options for values and the axis take precedence)
  LESSON.vlnokres   opens a lesson: its scenes with questions for the class
  --scene N         with a lesson: opens it at scene N
  --render SHEET.pdf LESSON.vlnokres  writes the lesson&apos;s worksheet: a scene to an A4 page
  --answers         with a worksheet: the sums are shown (the answers)
  -h, --help        prints this help
  -v, --version     prints the program&apos;s version

Numbers may be written with a decimal point or a decimal comma, alike under every
locale, without thousands separators. The program also takes the usual options of the
Qt library (-platform, -display, -style and others).
Exit status: 0 done, 1 the picture or the sound cannot be written or there is no
graphical environment,
2 a command line or a value that cannot be used.
</translation>
    </message>
    <message>
        <source>Poměr kmitočtů 1 : %1: obrazec se neuzavře</source>
        <translation>Frequency ratio 1 : %1: the figure never closes</translation>
    </message>
    <message>
        <source>úsečka</source>
        <translation>a line segment</translation>
    </message>
    <message>
        <source>kružnice</source>
        <translation>a circle</translation>
    </message>
    <message>
        <source>elipsa</source>
        <translation>an ellipse</translation>
    </message>
    <message>
        <source>Poměr kmitočtů %1: %2</source>
        <translation>Frequency ratio %1: %2</translation>
    </message>
    <message>
        <source>Poměr kmitočtů %1: obrazec se uzavře po 1 periodě první vlny</source>
        <translation>Frequency ratio %1: the figure closes after 1 period of the first wave</translation>
    </message>
    <message>
        <source>Poměr kmitočtů %1: obrazec se uzavře po %2 periodách první vlny</source>
        <translation>Frequency ratio %1: the figure closes after %2 periods of the first wave</translation>
    </message>
    <message>
        <source>Obrazec je skrytý</source>
        <translation>The figure is hidden</translation>
    </message>
    <message>
        <source>Kolmé kmity. %1</source>
        <translation>Perpendicular oscillations. %1</translation>
    </message>
    <message>
        <source>Kolmé kmity</source>
        <translation>Perpendicular oscillations</translation>
    </message>
    <message>
        <source>Skládání kolmých kmitů</source>
        <translation>Perpendicular oscillations</translation>
    </message>
    <message>
        <source>Kružnice</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Úsečka</source>
        <translation>Line segment</translation>
    </message>
    <message>
        <source>Elipsa</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Poměr 1 : 2</source>
        <translation>Ratio 1 : 2</translation>
    </message>
    <message>
        <source>Poměr 2 : 3</source>
        <translation>Ratio 2 : 3</translation>
    </message>
    <message>
        <source>nabídka › Kolmé kmity</source>
        <translation>menu › Perpendicular oscillations</translation>
    </message>
    <message>
        <source>druhá vlna kolmo k první: dolní diagram kreslí obrazec bodu v rovině x–y</source>
        <translation>the second wave at right angles to the first: the lower diagram draws the point&apos;s figure in the x–y plane</translation>
    </message>
    <message>
        <source>nabídka › Velké písmo</source>
        <translation>menu › Large text</translation>
    </message>
    <message>
        <source>hodnoty, popisky, kurzory a legenda dvakrát větší pro zadní lavice</source>
        <translation>the readouts, labels, cursors and legend twice as large for the back of the room</translation>
    </message>
</context>
</TS>
