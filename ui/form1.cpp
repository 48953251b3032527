// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include "platform/color_portal.h"
#include "platform/desktop/window_placement.h"
#include "platform/screen/screen_cast_screen_source.h"
#include "platform/screen_metrics.h"
#include "platform/toolkit/announcer.h"
#include "platform/toolkit/bold_font.h"
#include "platform/toolkit/command_button.h"
#include "platform/toolkit/eyedropper_picture.h"
#include "platform/toolkit/focus_ring.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/png_icon.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "ui/control_descriptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLocale>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <cmath>

// Resources compiled into a static library have to be registered by hand.
static void RegisterFormResources() {
    Q_INIT_RESOURCE(resources);
}

namespace tessavundo {

namespace {

// The hue marker reaches 240 twips into the rainbow bar, past its 15-pixel drawable width.
constexpr int kHueMarkerPixelWidth = 16;

// The first of the preferred families that is installed, or none to keep the desktop's own.
// Given a list, or a family that is not installed, the toolkit asks the font configuration to
// sort every installed font by likeness before the first text is laid out: an eighth of all
// the work start-up does.
QString InstalledControlFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"})
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    return QString();
}

QFont ControlFont() {
    QFont font;
    if (const QString family = InstalledControlFamily(); !family.isEmpty())
        font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

Form1::Form1(const FormServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , services_(services)
    , focusRing_(new FocusRing(*this)) {
    RegisterFormResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessavundo"));
    setWindowIcon(PngIcon({QStringLiteral(":/icons/tessavundo-16.png"),
                           QStringLiteral(":/icons/tessavundo-32.png"),
                           QStringLiteral(":/icons/tessavundo-48.png"),
                           QStringLiteral(":/icons/tessavundo-64.png")}));
    setFixedSize(441, 273);
    // A text box lays out its text in the application's font before it takes the window's, so
    // with another application font start-up would load two fonts instead of one.
    const QFont controlFont = ControlFont();
    QApplication::setFont(controlFont);
    setFont(controlFont);

    CreateControls();
    DescribeControls(*this);
    ConnectControls();
    Form_Load();
    Picture1->setFocus(Qt::OtherFocusReason);
}

// A window destroyed without being closed still leaves no screen shared.
Form1::~Form1() {
    StopScreenCast();
}

void Form1::CreateControls() {
    auto pictureBox = [this](const char* name, QRect geometry) {
        auto* box = new PictureBox(this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(geometry);
        return box;
    };
    auto button = [this](const char* name, const QString& caption, QRect geometry) {
        auto* command = new CommandButton(caption, this);
        command->setObjectName(QLatin1String(name));
        command->setGeometry(geometry);
        return command;
    };
    auto textBox = [this](const char* name, QRect geometry) {
        auto* text = new TextBox(this);
        text->setObjectName(QLatin1String(name));
        text->setGeometry(geometry);
        return text;
    };

    // Created in tab order, lowest first.
    Picture1 = pictureBox("Picture1", QRect(8, 8, 258, 258));
    Picture1->KeepImage();
    Text1 = textBox("Text1", QRect(296, 40, 89, 25));
    //: The caption of a button 41 pixels wide, of which the text has 39 on Linux and 33 on
    //: Windows (about six letters of the 8-point font): a verb or the usual button word, the
    //: same as in the help text; cut short with a period where no such word fits.
    Command3 = button("Command3", tr("Copy"), QRect(392, 40, 41, 25));
    Text2 = textBox("Text2", QRect(296, 72, 89, 25));
    Command4 = button("Command4", tr("Copy"), QRect(392, 72, 41, 25));

    Check1 = new Toggle(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(296, 8, 89, 25);
    Check1->setIcon(EyedropperPicture());
    Check1->setIconSize(QSize(19, 19));

    Picture2 = pictureBox("Picture2", QRect(272, 8, 17, 258));
    Picture2->KeepImage();
    // Never shown: it only names the rendering routine. It lies below the client area too.
    Command2 = button("Command2", tr("Refresh"), QRect(8, 272, 57, 25));
    Command2->hide();
    Picture3 = pictureBox("Picture3", QRect(296, 104, 137, 137));
    Picture4 = pictureBox("Picture4", QRect(296, 248, 17, 17));
    Picture5 = pictureBox("Picture5", QRect(320, 248, 17, 17));
    Picture6 = pictureBox("Picture6", QRect(344, 248, 17, 17));
    Picture7 = pictureBox("Picture7", QRect(368, 248, 17, 17));
    Picture8 = pictureBox("Picture8", QRect(392, 248, 17, 17));
    Picture9 = pictureBox("Picture9", QRect(416, 248, 17, 17));
    //: The caption of the help button, 41 pixels wide, of which the bold text has 39.
    Command1 = button("Command1", tr("?"), QRect(392, 8, 41, 25));
    Command1->setFont(BoldFont(Command1->font()));

    QWidget* const tabOrder[] = {Picture1, Text1,    Command3, Text2,    Command4, Check1,
                                 Picture2, Command2, Picture3, Picture4, Picture5, Picture6,
                                 Picture7, Picture8, Picture9, Command1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Line1 = std::make_unique<Line>(*Picture2, 0, kHueMarkerPixelWidth,
                                   palette().color(QPalette::WindowText));
    Shape1 = std::make_unique<Shape>(*Picture1);
    Shape1->SetLeft(48);
    Shape1->SetTop(160);
    Shape1->SetWidth(4);
    Shape1->SetHeight(4);

    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new Timer(Picture1);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    announcer_ = new Announcer(this);
}

void Form1::ConnectControls() {
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    connect(Picture2, &PictureBox::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &PictureBox::MouseMove, this, &Form1::Picture2_MouseMove);
    connect(Picture2, &PictureBox::MouseUp, this, &Form1::Picture2_MouseUp);
    connect(Picture2, &PictureBox::KeyPress, this, &Form1::Picture2_KeyPress);
    connect(Picture2, &PictureBox::KeyDown, this, &Form1::Picture2_KeyDown);
    connect(Timer2, &Timer::Tick, this, &Form1::Timer2_Timer);

    connect(Picture1, &PictureBox::MouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::MouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture1, &PictureBox::KeyDown, this, &Form1::Picture1_KeyDown);

    connect(Text1, &TextBox::Change, this, &Form1::Text1_Change);
    connect(Text1, &TextBox::KeyPress, this, &Form1::Text1_KeyPress);
    connect(Text1, &TextBox::GotFocus, this, &Form1::Text1_GotFocus);
    connect(Text1, &TextBox::LostFocus, this, &Form1::Text1_LostFocus);
    connect(Text2, &TextBox::Change, this, &Form1::Text2_Change);
    connect(Text2, &TextBox::GotFocus, this, &Form1::Text2_GotFocus);
    connect(Text2, &TextBox::LostFocus, this, &Form1::Text2_LostFocus);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    connect(Check1, &Toggle::Click, this, &Form1::Check1_Click);
    connect(Check1, &Toggle::KeyPress, this, &Form1::Check1_KeyPress);
    connect(Check1, &Toggle::LostFocus, this, &Form1::Check1_LostFocus);
    connect(Timer1, &Timer::Tick, this, &Form1::Timer1_Timer);
    connect(&services_.portal, &ColorPortal::ColorPicked, this, &Form1::ColorPortal_ColorPicked);
    connect(&services_.portal, &ColorPortal::PickCancelled, this,
            &Form1::ColorPortal_PickCancelled);
    connect(&services_.portal, &ColorPortal::Unavailable, this, &Form1::ColorPortal_Unavailable);
    if (services_.screenCast != nullptr) {
        connect(services_.screenCast, &ScreenCastPortal::Started, this, &Form1::ScreenCast_Started);
        connect(services_.screenCast, &ScreenCastPortal::Failed, this, &Form1::ScreenCast_Failed);
    }

    // The preview and the swatches give their colors to a drag; the preview takes dropped ones.
    for (PictureBox* box : {Picture3, Picture4, Picture5, Picture6, Picture7, Picture8, Picture9})
        box->SetColorDraggable(true);
    Picture3->AcceptColorDrops(
        [this](const QString& text) { return ReadDroppedColor(text).has_value(); });
    connect(Picture3, &PictureBox::ColorDropped, this, &Form1::Picture3_ColorDropped);

    connect(Picture4, &PictureBox::Click, this, &Form1::Picture4_Click);
    connect(Picture5, &PictureBox::Click, this, &Form1::Picture5_Click);
    connect(Picture6, &PictureBox::Click, this, &Form1::Picture6_Click);
    connect(Picture7, &PictureBox::Click, this, &Form1::Picture7_Click);
    connect(Picture8, &PictureBox::Click, this, &Form1::Picture8_Click);
    connect(Picture9, &PictureBox::Click, this, &Form1::Picture9_Click);
    connect(Picture9, &PictureBox::DblClick, this, &Form1::Picture9_DblClick);
    connect(Picture4, &PictureBox::KeyDown, this, &Form1::Picture4_KeyDown);
    connect(Picture5, &PictureBox::KeyDown, this, &Form1::Picture5_KeyDown);
    connect(Picture6, &PictureBox::KeyDown, this, &Form1::Picture6_KeyDown);
    connect(Picture7, &PictureBox::KeyDown, this, &Form1::Picture7_KeyDown);
    connect(Picture8, &PictureBox::KeyDown, this, &Form1::Picture8_KeyDown);
    connect(Picture9, &PictureBox::KeyDown, this, &Form1::Picture9_KeyDown);
}

float Form1::Left() const {
    return static_cast<float>(NormalPosition().x() * TwipsPerPixelX());
}

float Form1::Top() const {
    return static_cast<float>(NormalPosition().y() * TwipsPerPixelY());
}

void Form1::Move(float left, float top) {
    const float x = std::nearbyint(left / TwipsPerPixelX());
    const float y = std::nearbyint(top / TwipsPerPixelY());
    // No window system places a window this far out, and whole pixels beyond it could
    // overflow on the way to the screen's rectangles.
    if (!(std::abs(x) <= QWIDGETSIZE_MAX && std::abs(y) <= QWIDGETSIZE_MAX))
        return;
    const QPoint position(static_cast<int>(x), static_cast<int>(y));
    // A position saved on a monitor that is gone, under a panel or at another display scale is
    // brought onto a screen.
    move(PlaceRestoredWindow(QRect(position, frameGeometry().size()), DesktopScreens()));
}

bool Form1::HasNormalGeometry() const {
    return !isMaximized() && !isFullScreen() && size() == minimumSize();
}

QPoint Form1::NormalPosition() const {
    return HasNormalGeometry() || !normalPosition_ ? pos() : *normalPosition_;
}

void Form1::moveEvent(QMoveEvent* event) {
    // Some window managers maximize the window although its size is fixed; the position it had
    // before is the one to save and come back to.
    if (HasNormalGeometry())
        normalPosition_ = pos();
    QWidget::moveEvent(event);
}

std::string Form1::DecimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void Form1::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    bool cancel = false;
    Form_Unload(cancel);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Runs before the window is hidden, so that closing does not first move the focus.
    Unload();
    event->accept();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    focusRing_->Paint(painter);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    backgroundPressed_ = event->button() == Qt::LeftButton;
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = backgroundPressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    backgroundPressed_ = false;
    if (clicked)
        Form_Click();
}

} // namespace tessavundo
