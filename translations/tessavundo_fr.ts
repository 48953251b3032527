<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Champ des nuances</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Toutes les saturations et luminosités de la teinte&#xa0;; appuyez ou faites glisser avec le bouton gauche pour choisir une couleur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Barre arc-en-ciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>La teinte&#xa0;; appuyez ou faites glisser avec le bouton gauche pour la choisir, + et - la changent d’un cran</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>champ rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>La couleur en rgb(rouge,vert,bleu)&#xa0;; saisissez une couleur pour y aller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>champ hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>La couleur en #RRGGBB&#xa0;; saisissez une couleur pour y aller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>Copier le texte rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Copier le texte rgb et garder la couleur dans le premier échantillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Copier le texte hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Copier le texte hex et garder la couleur dans le premier échantillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Mode d’emploi du sélecteur. Sur un échantillon, Espace ou Entrée reprend sa couleur&#xa0;; Maj+Entrée sur le dernier échantillon remet le sélecteur au rouge et tous les échantillons au blanc</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Échantillon %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Couleur de fond de la fenêtre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>Sur la barre arc-en-ciel, + et - changent la teinte d’un cran, Haut et Bas d’une position, Page préc. et Page suiv. de 64, Début et Fin vont à son haut et à son bas. Dans le champ des nuances, les flèches déplacent le point d’un pixel (avec Maj de 16), Début et Fin vont à ses bords gauche et droit, Page préc. et Page suiv. à ses bords haut et bas.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Pris : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Prendre la couleur de n’importe quel pixel de l’écran&#xa0;; Échap ou Espace termine et copie le texte hex, Entrée copie le texte rgb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Ce bureau ne permet pas aux programmes de lire l’écran et n’offre aucun portail de sélection de couleur à interroger à la place</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>La pipette ne peut pas lire cet affichage&#xa0;: sa façon de stocker ses pixels n’est pas prise en charge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>La pipette ne peut pas lire cet écran&#xa0;: l’affichage refuse de montrer ses pixels aux programmes</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Cliquez sur le bouton pipette pour activer la fonction «&#xa0;Prendre une couleur à l’écran&#xa0;».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Pour prendre la couleur sous le pointeur de la souris, appuyez sur &lt;ENTRÉE&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Appuyez sur &lt;ÉCHAP&gt; pour quitter la fonction.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Pour une valeur plus précise sur la barre arc-en-ciel, utilisez les touches +/- du clavier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>Le bouton &lt;COPIER&gt; copie la valeur de couleur choisie (rgb ou hex) dans le presse-papiers.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Programmé par Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
