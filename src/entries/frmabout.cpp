#include "entries/frmabout.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/messages.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>

#ifndef VX_VERSION_TEXT
#error "VX_VERSION_TEXT comes from the project's version in CMake"
#endif

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 3900;

// The program's picture: a lottery ball.
QPixmap ballPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(size * 0.35, size * 0.35, size * 0.7);
    shade.setColorAt(0, QColor(255, 240, 170));
    shade.setColorAt(1, QColor(200, 40, 30));
    painter.setBrush(shade);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, size - 2, size - 2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(size * 0.25, size * 0.25, size * 0.5, size * 0.5));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size / 3);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("V"));
    return picture;
}
} // namespace

frmAbout::frmAbout(QWidget *parent)
    : ToolWindow(parent)
{
    buildFrame(
        this, QStringLiteral("frmAbout"), QStringLiteral("About MyApp"), TwipsSize::client(ClientWidth, ClientHeight));

    Image4 = placeControl(new QLabel(this), "Image4", 240, 240, 720, 720);
    Image4->setPixmap(ballPicture(platform::twipsToPixels(720)));
    Image4->setAccessibleName(QStringLiteral("Vexmora"));
    lblVersion = placeControl(new QLabel(QStringLiteral("Version"), this), "lblVersion", 1200, 240, 4290, 285);
    lblDescription = placeControl(new QLabel(QStringLiteral("Vexmora NX, 2025, by the Vexmora team."), this),
        "lblDescription", 1200, 600, 4290, 285);
    Line1[0] = placeControl(new QFrame(this), "Line1", 120, 1080, 5490, 240);
    lblDisclaimer = placeControl(new QLabel(QStringLiteral("This program is protected by copyright law. No liability "
                                                           "is accepted for any error or omission in it or in what "
                                                           "it shows. It has no connection with any lottery or "
                                                           "lottery organisation."),
                                     this),
        "lblDisclaimer", 240, 1380, 5250, 1200);
    lblDisclaimer->setWordWrap(true);
    Line1[1] = placeControl(new QFrame(this), "Line1", 120, 2640, 5490, 240);
    for (QFrame *line : Line1) {
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
    }
    cmdOK = placeButton(this, this, QStringLiteral("OK"), "cmdOK", 3990, 3000, 1620, 375, &frmAbout::cmdOK_Click);
    cmdOK->setDefault(true);
    cmdSysInfo = placeButton(this, this, QStringLiteral("&System Info..."), "cmdSysInfo", 3990, 3450, 1620, 375,
        &frmAbout::cmdSysInfo_Click);
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version " VX_VERSION_TEXT);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + platform::ApplicationTitle);
    lblVersion->setText(versionText());
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const QString program = platform::SystemInfoProgram();
    if (program.isEmpty() || !platform::StartProgram(program))
        platform::MsgBox(QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace vx
