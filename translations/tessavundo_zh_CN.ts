<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>tessavundo::Form1</name>
    <message>
        <location filename="../ui/control_descriptions.cpp" line="+80"/>
        <source>column %1, row %2</source>
        <translation>第 %1 列，第 %2 行</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Color picker</source>
        <translation>取色器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shade field</source>
        <translation>明暗面板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every saturation and brightness of the hue; press or drag with the left button to pick a color</source>
        <translation>该色相的所有饱和度和亮度；用左键按下或拖动以选取颜色</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rainbow bar</source>
        <translation>彩虹条</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The hue; press or drag with the left button to choose it, + and - step it by one</source>
        <translation>色相；用左键按下或拖动以选择色相，+ 和 - 每次调整一级</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>rgb field</source>
        <translation>rgb 文本框</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as rgb(red,green,blue); type a color to go to it</source>
        <translation>以 rgb(红,绿,蓝) 表示的颜色；输入颜色即可跳转到该颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex field</source>
        <translation>hex 文本框</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The color as #RRGGBB; type a color to go to it</source>
        <translation>以 #RRGGBB 表示的颜色；输入颜色即可跳转到该颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy rgb text</source>
        <translation>复制 rgb 文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the rgb text and keep the color in the first swatch</source>
        <translation>复制 rgb 文本并将颜色保存到第一个色板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy hex text</source>
        <translation>复制 hex 文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the hex text and keep the color in the first swatch</source>
        <translation>复制 hex 文本并将颜色保存到第一个色板</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eyedropper</source>
        <translation>吸管</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How to use the picker. On a swatch, Space or Enter takes its color back; Shift+Enter on the last swatch resets the picker to red and every swatch to white</source>
        <translation>取色器使用方法。在色板上按空格键或回车键可取回其颜色；在最后一个色板上按 Shift+回车键可将取色器重置为红色，并将所有色板重置为白色</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Swatch %1</source>
        <translation>色板 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Window background color</source>
        <translation>窗口背景色</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On the rainbow bar, + and - step the hue by one, Up and Down by one position, Page Up and Page Down by 64, Home and End go to its top and bottom. On the shade field, the arrow keys move the point by one pixel (with Shift by 16), Home and End go to its left and right edges, Page Up and Page Down to its top and bottom.</source>
        <translation>在彩虹条上，+ 和 - 将色相调整一级，上下方向键移动一个位置，Page Up 和 Page Down 移动 64，Home 和 End 转到顶端和底端。在明暗面板上，方向键将点移动一个像素（按住 Shift 时为 16），Home 和 End 转到左右边缘，Page Up 和 Page Down 转到上下边缘。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took %1</source>
        <translation>已取色：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the color of any pixel on the screen; Esc or Space ends and copies the hex text, Enter copies the rgb text</source>
        <translation>获取屏幕上任意像素的颜色；按 Esc 或空格键结束并复制 hex 文本，按回车键复制 rgb 文本</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This desktop does not let programs read the screen, and it offers no color-picker portal to ask instead</source>
        <translation>此桌面不允许程序读取屏幕，也没有可以转而询问的取色门户</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The eyedropper cannot read this display: the way it stores its pixels is not supported</source>
        <translation>吸管无法读取此显示器：不支持其像素存储方式</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The eyedropper cannot read this screen: the display refuses to show its pixels to programs</source>
        <translation>吸管无法读取此屏幕：显示器拒绝向程序提供像素</translation>
    </message>
    <message>
        <location filename="../ui/copy_and_help.cpp" line="+16"/>
        <source>Click the eyedropper button to enable the Pick Screen Color function.</source>
        <translation>单击吸管按钮以启用“屏幕取色”功能。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To pick the color your mouse is hovering press &lt;RETURN&gt;.</source>
        <translation>要选取鼠标指针下的颜色，请按 &lt;回车&gt;。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press &lt;ESC&gt; to quit the function.</source>
        <translation>按 &lt;ESC&gt; 退出该功能。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To get a more exact value on the rainbow bar use the +/- key on your keyboard.</source>
        <translation>要在彩虹条上获得更精确的值，请使用键盘上的 +/- 键。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &lt;COPY&gt; Button copies the selected color value (either rgb or Hex) to the clipboard.</source>
        <translation>&lt;复制&gt; 按钮将所选颜色值（rgb 或 hex）复制到剪贴板。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coded by Maraveld</source>
        <translation>作者：Maraveld</translation>
    </message>
    <message>
        <location filename="../ui/form1.cpp" line="+125"/>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on Windows (about six letters of the 8-point font): a verb or the usual button word, the same as in the help text; cut short with a period where no such word fits.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>?</source>
        <extracomment>The caption of the help button, 41 pixels wide, of which the bold text has 39.</extracomment>
        <translation>?</translation>
    </message>
</context>
</TS>
