<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>colonna %1, riga %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Selettore di colore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Campo delle sfumature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Ogni saturazione e luminosità della tinta; premi o trascina con il tasto sinistro per scegliere un colore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Barra arcobaleno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>La tinta; premi o trascina con il tasto sinistro per sceglierla, + e - la cambiano di un passo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>campo rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>Il colore come rgb(rosso,verde,blu); digita un colore per passare a quel colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>campo hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>Il colore come #RRGGBB; digita un colore per passare a quel colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>Copia il testo rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Copia il testo rgb e conserva il colore nel primo campione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Copia il testo hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Copia il testo hex e conserva il colore nel primo campione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Come usare il selettore. Su un campione, Spazio o Invio riprende il suo colore; Maiusc+Invio sull’ultimo campione riporta il selettore al rosso e ogni campione al bianco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Campione %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Colore di sfondo della finestra</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>Sulla barra arcobaleno, + e - cambiano la tinta di uno, Su e Giù di una posizione, Pag Su e Pag Giù di 64, Home e Fine vanno in cima e in fondo. Nel campo delle sfumature, le frecce spostano il punto di un pixel (con Maiusc di 16), Home e Fine vanno ai bordi sinistro e destro, Pag Su e Pag Giù ai bordi superiore e inferiore.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Preso: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Preleva il colore di qualsiasi pixel dello schermo; Esc o Spazio termina e copia il testo hex, Invio copia il testo rgb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Questo desktop non permette ai programmi di leggere lo schermo e non offre alcun portale di selezione del colore a cui chiedere invece</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>Il contagocce non può leggere questo display: il modo in cui memorizza i pixel non è supportato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>Il contagocce non può leggere questo schermo: il display si rifiuta di mostrare i suoi pixel ai programmi</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Fai clic sul pulsante contagocce per attivare la funzione «Preleva colore dallo schermo».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Per prelevare il colore sotto il puntatore del mouse premi &lt;INVIO&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Premi &lt;ESC&gt; per uscire dalla funzione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Per un valore più preciso sulla barra arcobaleno usa i tasti +/- della tastiera.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>Il pulsante &lt;COPIA&gt; copia il valore del colore scelto (rgb o hex) negli appunti.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Programmato da Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
