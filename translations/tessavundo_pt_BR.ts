<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>Seletor de cores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>Campo de tonalidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>Todas as saturações e brilhos do matiz; clique ou arraste com o botão esquerdo para escolher uma cor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>Barra de arco-íris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>O matiz; clique ou arraste com o botão esquerdo para escolhê-lo, + e - o alteram de um em um</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>campo rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>A cor como rgb(vermelho,verde,azul); digite uma cor para ir até ela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>campo hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>A cor como #RRGGBB; digite uma cor para ir até ela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>Copiar o texto rgb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>Copiar o texto rgb e guardar a cor na primeira amostra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>Copiar o texto hex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>Copiar o texto hex e guardar a cor na primeira amostra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>Conta-gotas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>Como usar o seletor. Em uma amostra, Espaço ou Enter recupera sua cor; Shift+Enter na última amostra redefine o seletor para vermelho e todas as amostras para branco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>Amostra %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>Cor de fundo da janela</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>Na barra de arco-íris, + e - mudam o matiz em um, Para cima e Para baixo em uma posição, Page Up e Page Down em 64, Home e End vão ao topo e à base. No campo de tonalidades, as setas movem o ponto um pixel (com Shift, 16), Home e End vão às bordas esquerda e direita, Page Up e Page Down às bordas superior e inferior.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>Capturado: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>Capturar a cor de qualquer pixel da tela; Esc ou Espaço encerra e copia o texto hex, Enter copia o texto rgb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>Este ambiente de trabalho não permite que programas leiam a tela e não oferece nenhum portal de seleção de cor a que perguntar em vez disso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>O conta-gotas não consegue ler esta tela: a forma como ela armazena seus pixels não é suportada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>O conta-gotas não consegue ler esta tela: o monitor se recusa a mostrar seus pixels aos programas</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>Clique no botão do conta-gotas para ativar a função “Capturar cor da tela”.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>Para capturar a cor sob o ponteiro do mouse, pressione &lt;ENTER&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>Pressione &lt;ESC&gt; para sair da função.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>Para um valor mais exato na barra de arco-íris, use as teclas +/- do teclado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>O botão &lt;COPIAR&gt; copia o valor de cor escolhido (rgb ou hex) para a área de transferência.</translation>
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
        <translation>Atualizar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
