#include "platform/controls.h"

#include <QGroupBox>
#include <QListWidget>
#include <algorithm>

namespace vx::platform {

void buildFrame(QWidget *window, const QString &name, const QString &caption, TwipsSize size, QWidget *client)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    setFrameSize(client ? client : window, size);
}

void setFrameSize(QWidget *window, TwipsSize size)
{
    window->setFixedSize(twipsToPixels(size.width), twipsToPixels(size.height));
}

QGroupBox *placeFrame(
    QWidget *parent, const QString &caption, const QString &name, int left, int top, int width, int height)
{
    auto *frame = placeControl(new QGroupBox(parent), name, left, top, width, height);
    setFrameCaption(frame, caption);
    return frame;
}

QGroupBox *placeFrame(
    QWidget *parent, const QString &caption, const char *name, int left, int top, int width, int height)
{
    return placeFrame(parent, caption, QLatin1String(name), left, top, width, height);
}

void setFrameCaption(QGroupBox *frame, const QString &caption)
{
    // Set rather than left to the title, so that no name given elsewhere can outlive a new caption.
    frame->setTitle(caption);
    frame->setAccessibleName(caption);
}

std::vector<int> selectedRows(const QListWidget *list, int rows)
{
    const int n = rows < 0 ? list->count() : std::min(rows, list->count());
    std::vector<int> selected;
    for (int row = 0; row < n; ++row)
        if (list->item(row)->isSelected())
            selected.push_back(row);
    return selected;
}

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(8);
    return font;
}

} // namespace vx::platform
