#include "platform/controls.h"

#include <QListWidget>
#include <algorithm>

namespace vx::platform {

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
