<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>kolom %1, rij %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Kleurkiezer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Tintenveld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Elke verzadiging en helderheid van de kleurtoon; druk of sleep met de linkerknop om een kleur te kiezen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Regenboogbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>De kleurtoon; druk of sleep met de linkerknop om hem te kiezen, + en - verschuiven hem één stap</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>rgb-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>De kleur als rgb(rood,groen,blauw); typ een kleur om ernaartoe te gaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>hex-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>De kleur als #RRGGBB; typ een kleur om ernaartoe te gaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>rgb-tekst kopiëren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>De rgb-tekst kopiëren en de kleur in het eerste kleurstaal bewaren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>hex-tekst kopiëren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>De hex-tekst kopiëren en de kleur in het eerste kleurstaal bewaren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Pipet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Zo gebruik je de kiezer. Op een kleurstaal haalt Spatie of Enter de kleur terug; Shift+Enter op het laatste kleurstaal zet de kiezer terug op rood en elk kleurstaal op wit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Kleurstaal %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Achtergrondkleur van het venster</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>Op de regenboogbalk veranderen + en - de tint met één stap, Omhoog en Omlaag met één positie, Page Up en Page Down met 64, Home en End gaan naar boven- en onderkant. In het tintenveld verplaatsen de pijltjestoetsen het punt één pixel (met Shift 16), Home en End gaan naar de linker- en rechterrand, Page Up en Page Down naar de boven- en onderrand.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Genomen: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>De kleur van een willekeurige pixel op het scherm nemen; Esc of Spatie stopt en kopieert de hex-tekst, Enter kopieert de rgb-tekst</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Deze desktop laat programma’s het scherm niet lezen en biedt geen kleurkiezerportaal om het in plaats daarvan te vragen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>De pipet kan dit beeldscherm niet lezen: de manier waarop het zijn pixels opslaat, wordt niet ondersteund</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>De pipet kan dit scherm niet lezen: het beeldscherm weigert zijn pixels aan programma’s te tonen</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Klik op de pipetknop om de functie ‘Schermkleur kiezen’ aan te zetten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Druk op &lt;ENTER&gt; om de kleur onder de muisaanwijzer te kiezen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Druk op &lt;ESC&gt; om de functie te verlaten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Gebruik voor een preciezere waarde op de regenboogbalk de toetsen +/- op je toetsenbord.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>De knop &lt;KOPIËR.&gt; kopieert de gekozen kleurwaarde (rgb of hex) naar het klembord.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Geprogrammeerd door Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Kopiër.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
