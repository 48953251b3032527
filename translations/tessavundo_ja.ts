<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>列 %1、行 %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>カラーピッカー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>濃淡フィールド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>色相のすべての彩度と明度。左ボタンで押すかドラッグして色を選びます</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>レインボーバー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>色相。左ボタンで押すかドラッグして選び、+ と - で 1 段階ずつ変えます</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>rgb フィールド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>rgb(赤,緑,青) 形式の色。色を入力するとその色に移動します</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>hex フィールド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>#RRGGBB 形式の色。色を入力するとその色に移動します</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>rgb テキストをコピー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>rgb テキストをコピーし、色を最初のスウォッチに保存します</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>hex テキストをコピー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>hex テキストをコピーし、色を最初のスウォッチに保存します</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>スポイト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>ピッカーの使い方。スウォッチ上で Space または Enter を押すとその色に戻ります。最後のスウォッチで Shift+Enter を押すと、ピッカーは赤に、すべてのスウォッチは白にリセットされます</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>スウォッチ %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>ウィンドウの背景色</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>レインボーバーでは、+ と - で色相を 1 段階、上下矢印で 1 位置、Page Up と Page Down で 64 動かし、Home と End で上端と下端に移動します。濃淡フィールドでは、矢印キーで点を 1 ピクセル (Shift で 16) 動かし、Home と End で左端と右端、Page Up と Page Down で上端と下端に移動します。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>取得しました: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>画面上の任意のピクセルの色を取得します。Esc または Space で終了して hex テキストをコピー、Enter で rgb テキストをコピーします</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>このデスクトップではプログラムが画面を読み取れず、代わりに問い合わせるカラーピッカーポータルもありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>スポイトはこのディスプレイを読み取れません: ピクセルの保存形式がサポートされていません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>スポイトはこの画面を読み取れません: ディスプレイがプログラムにピクセルを見せません</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>スポイトボタンをクリックすると、「画面の色を取得」機能が有効になります。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>マウスポインターの下の色を取得するには &lt;ENTER&gt; を押します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>&lt;ESC&gt; を押すと機能を終了します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>レインボーバーでより正確な値を得るには、キーボードの +/- キーを使います。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>&lt;コピー&gt; ボタンは、選択した色の値 (rgb または hex) をクリップボードにコピーします。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>作者: Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
