<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>столбец %1, строка %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Поле оттенков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Все насыщенности и яркости тона; нажмите или ведите левой кнопкой, чтобы выбрать цвет</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Радужная полоса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>Тон; нажмите или ведите левой кнопкой, чтобы выбрать его, + и - меняют его на один шаг</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>поле rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>Цвет в виде rgb(красный,зелёный,синий); введите цвет, чтобы перейти к нему</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>поле hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>Цвет в виде #RRGGBB; введите цвет, чтобы перейти к нему</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>Копировать текст rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Копировать текст rgb и сохранить цвет в первом образце</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Копировать текст hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Копировать текст hex и сохранить цвет в первом образце</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Пипетка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Как пользоваться выбором цвета. На образце Пробел или Enter возвращает его цвет; Shift+Enter на последнем образце сбрасывает выбор на красный, а все образцы на белый</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Образец %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Цвет фона окна</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>На радужной полосе + и - меняют оттенок на один шаг, стрелки вверх и вниз — на одну позицию, Page Up и Page Down — на 64, Home и End переходят к её верху и низу. В поле оттенков стрелки сдвигают точку на один пиксель (с Shift — на 16), Home и End переходят к левому и правому краю, Page Up и Page Down — к верхнему и нижнему.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Взято: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Взять цвет любого пикселя на экране; Esc или Пробел завершает и копирует текст hex, Enter копирует текст rgb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Этот рабочий стол не позволяет программам читать экран и не предлагает портала выбора цвета, к которому можно было бы обратиться вместо этого</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>Пипетка не может прочитать этот дисплей: способ хранения его пикселей не поддерживается</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>Пипетка не может прочитать этот экран: дисплей не показывает программам свои пиксели</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Нажмите кнопку пипетки, чтобы включить функцию «Взять цвет с экрана».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Чтобы взять цвет под указателем мыши, нажмите &lt;ENTER&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Нажмите &lt;ESC&gt;, чтобы выйти из функции.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Для более точного значения на радужной полосе используйте клавиши +/- на клавиатуре.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>Кнопка &lt;КОПИР.&gt; копирует выбранное значение цвета (rgb или hex) в буфер обмена.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>Автор программы: Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>Копир.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
