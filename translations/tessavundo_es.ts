<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Selector de color</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Campo de tonalidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Todas las saturaciones y luminosidades del tono; pulse o arrastre con el botón izquierdo para elegir un color</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Barra arcoíris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>El tono; pulse o arrastre con el botón izquierdo para elegirlo, + y - lo cambian de uno en uno</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>campo rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>El color como rgb(rojo,verde,azul); escriba un color para ir a él</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>campo hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>El color como #RRGGBB; escriba un color para ir a él</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>Copiar el texto rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Copiar el texto rgb y guardar el color en la primera muestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Copiar el texto hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Copiar el texto hex y guardar el color en la primera muestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Cómo usar el selector. En una muestra, Espacio o Intro recupera su color; Mayús+Intro en la última muestra devuelve el selector al rojo y todas las muestras al blanco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Muestra %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Color de fondo de la ventana</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>En la barra arcoíris, + y - cambian el tono en uno, Arriba y Abajo en una posición, Re Pág y Av Pág en 64, Inicio y Fin van a su extremo superior e inferior. En el campo de tonalidades, las flechas mueven el punto un píxel (con Mayús, 16), Inicio y Fin van a sus bordes izquierdo y derecho, Re Pág y Av Pág a sus bordes superior e inferior.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Tomado: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Tomar el color de cualquier píxel de la pantalla; Esc o Espacio termina y copia el texto hex, Intro copia el texto rgb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Este escritorio no deja que los programas lean la pantalla y no ofrece ningún portal de selección de color al que preguntar en su lugar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>El cuentagotas no puede leer esta pantalla: no se admite la forma en que guarda sus píxeles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>El cuentagotas no puede leer esta pantalla: la pantalla se niega a mostrar sus píxeles a los programas</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Pulse el botón del cuentagotas para activar la función «Tomar color de la pantalla».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Para tomar el color que hay bajo el ratón, pulse &lt;INTRO&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Pulse &lt;ESC&gt; para salir de la función.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Para un valor más exacto en la barra arcoíris, use las teclas +/- del teclado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>El botón &lt;COPIAR&gt; copia el valor de color elegido (rgb o hex) al portapapeles.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Programado por Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
