#pragma once

#include "platform/twips.h"

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <vector>

class QGroupBox;
class QListWidget;

namespace vx::platform {

// Names a control and puts it at a place given in twips inside its parent.
template <typename W> W *placeControl(W *widget, const QString &name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

template <typename W> W *placeControl(W *widget, const char *name, int left, int top, int width, int height)
{
    return placeControl(widget, QLatin1String(name), left, top, width, height);
}

// The fixed border of a dialog window, both sides together.
constexpr int DialogBorderTwips = 90;

// A window's fixed size in twips: its client area, or the outer width the layout tables give (which
// includes the border) and the client height.
struct TwipsSize {
    static constexpr TwipsSize client(int width, int height) { return {width, height}; }
    static constexpr TwipsSize outerWidth(int width, int clientHeight)
    {
        return {width - DialogBorderTwips, clientHeight};
    }
    int width = 0;
    int height = 0;
};

// Builds a window's frame: its object name, its caption and its fixed client size, which is the size
// of `client` when the window lays out a menu bar above a client widget.
void buildFrame(
    QWidget *window, const QString &name, const QString &caption, TwipsSize size, QWidget *client = nullptr);
// A new fixed size of a window that is laid out again.
void setFrameSize(QWidget *window, TwipsSize size);

// A push button placed like any control whose click runs a handler of the window, given by
// member-function pointer (&Form3::Command1_Click).
template <typename Window, typename Name, typename Handler>
QPushButton *placeButton(Window *window, QWidget *parent, const QString &caption, const Name &name, int left, int top,
    int width, int height, Handler handler)
{
    auto *button = placeControl(new QPushButton(caption, parent), name, left, top, width, height);
    QObject::connect(button, &QPushButton::clicked, window, [window, handler] { (window->*handler)(); });
    return button;
}

// A frame (group box) placed like any control. Its caption is the group's name to assistive
// technology, from here on and through every setFrameCaption.
QGroupBox *placeFrame(
    QWidget *parent, const QString &caption, const QString &name, int left, int top, int width, int height);
QGroupBox *placeFrame(
    QWidget *parent, const QString &caption, const char *name, int left, int top, int width, int height);
void setFrameCaption(QGroupBox *frame, const QString &caption);

// The selected rows among the first `rows` rows of a list (all of them when rows is negative), in
// order.
std::vector<int> selectedRows(const QListWidget *list, int rows = -1);

// The fixed-pitch font of the number lists, so that numbers stand in columns.
QFont listFont();

} // namespace vx::platform
