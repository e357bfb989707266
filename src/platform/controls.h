#pragma once

#include "platform/twips.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

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

// The selected rows among the first `rows` rows of a list (all of them when rows is negative), in
// order.
std::vector<int> selectedRows(const QListWidget *list, int rows = -1);

// The fixed-pitch font of the number lists, so that numbers stand in columns.
QFont listFont();

} // namespace vx::platform
