<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+103"/>
        <source>Color picker</source>
        <translation>Farbwähler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Schattierungsfeld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Jede Sättigung und Helligkeit des Farbtons; mit der linken Maustaste drücken oder ziehen, um eine Farbe zu wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Regenbogenleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>Der Farbton; mit der linken Maustaste drücken oder ziehen, um ihn zu wählen, + und - ändern ihn um eine Stufe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>rgb-Feld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>Die Farbe als rgb(Rot,Grün,Blau); eine Farbe eingeben, um zu ihr zu wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>Hex-Feld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>Die Farbe als #RRGGBB; eine Farbe eingeben, um zu ihr zu wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>rgb-Text kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Den rgb-Text kopieren und die Farbe im ersten Farbmuster ablegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Hex-Text kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Den Hex-Text kopieren und die Farbe im ersten Farbmuster ablegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Swatch %1</source>
        <translation>Farbmuster %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Die Farbe eines beliebigen Pixels auf dem Bildschirm aufnehmen; Esc oder Leertaste beendet und kopiert den Hex-Text, Eingabe kopiert den rgb-Text</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Klicken Sie auf die Pipette, um die Funktion „Bildschirmfarbe aufnehmen“ einzuschalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Drücken Sie &lt;EINGABE&gt;, um die Farbe unter dem Mauszeiger aufzunehmen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Drücken Sie &lt;ESC&gt;, um die Funktion zu beenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Für einen genaueren Wert auf der Regenbogenleiste verwenden Sie die Tasten +/- Ihrer Tastatur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>Die Schaltfläche &lt;KOPIER.&gt; kopiert den gewählten Farbwert (rgb oder Hex) in die Zwischenablage.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Programmiert von Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Kopier.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Dieser Desktop lässt Programme den Bildschirm nicht lesen und bietet kein Farbwähler-Portal, das stattdessen gefragt werden könnte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>Die Pipette kann diese Anzeige nicht lesen: Die Art, wie sie ihre Pixel speichert, wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>Die Pipette kann diesen Bildschirm nicht lesen: Die Anzeige verweigert Programmen ihre Pixel</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>So wird der Farbwähler benutzt. Auf einem Farbmuster holt Leertaste oder Eingabe seine Farbe zurück; Umschalt+Eingabe auf dem letzten Farbmuster setzt den Farbwähler auf Rot und jedes Farbmuster auf Weiß zurück</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>Auf der Regenbogenleiste ändern + und - den Farbton um eine Stufe, Pfeil auf und Pfeil ab um eine Position, Bild auf und Bild ab um 64, Pos1 und Ende gehen an ihr oberes und unteres Ende. Im Schattierungsfeld bewegen die Pfeiltasten den Punkt um ein Pixel (mit Umschalt um 16), Pos1 und Ende gehen an seinen linken und rechten Rand, Bild auf und Bild ab an seinen oberen und unteren Rand.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Aufgenommen: %1</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Window background color</source>
        <translation>Fensterhintergrundfarbe</translation>
    </message>
</context>
</TS>
