#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vx::test {

// Every visible named control of the window lies inside its parent, overlaps no visible sibling,
// and shows its whole caption (labels, frames, buttons) in the window's font.
inline void expectFits(QWidget *window)
{
    const auto shown = [window](const QWidget *w) {
        return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && w->isVisibleTo(window);
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!shown(w))
            continue;
        const std::string name = w->objectName().toStdString();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name << " leaves its parent";
        for (QObject *o : w->parentWidget()->children()) {
            auto *s = qobject_cast<QWidget *>(o);
            EXPECT_FALSE(s && s != w && shown(s) && s->geometry().intersects(w->geometry()))
                << name << " overlaps " << (s ? s->objectName().toStdString() : "");
        }
        const QFontMetrics metrics = w->fontMetrics();
        int need = 0;
        if (auto *label = qobject_cast<QLabel *>(w))
            need = metrics.horizontalAdvance(label->text());
        else if (auto *frame = qobject_cast<QGroupBox *>(w))
            need = metrics.horizontalAdvance(frame->title()) + 16;
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            need = qobject_cast<QPushButton *>(w) ? metrics.horizontalAdvance(button->text()) + 8
                                                  : button->sizeHint().width();
        EXPECT_LE(need, w->width()) << name << " cuts its caption";
        EXPECT_LE(metrics.height(), w->height()) << name;
    }
}

} // namespace vx::test
