#include "app/ballimages.h"

#include "platform/twips.h"

#include <QHash>
#include <QPainter>
#include <QRadialGradient>

namespace vx {

namespace {
QPixmap drawBall(int number, QColor face, QColor edge, QColor text)
{
    const int size = platform::twipsToPixels(525);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(QPointF(size * 0.35, size * 0.3), size * 0.7);
    gradient.setColorAt(0.0, face.lighter(160));
    gradient.setColorAt(0.6, face);
    gradient.setColorAt(1.0, edge);
    painter.setBrush(gradient);
    painter.setPen(QPen(edge, 1));
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(number >= 100 || number < 0 ? size / 4 : size * 2 / 5);
    painter.setFont(font);
    painter.setPen(text);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString::number(number));
    return pixmap;
}
} // namespace

BallImageList::BallImageList(Colour colour)
    : m_colour(colour)
{
}

QPixmap BallImageList::picture(int number) const
{
    static QHash<int, QPixmap> cache[2];
    QHash<int, QPixmap> &pictures = cache[m_colour == Colour::Red ? 0 : 1];
    auto it = pictures.find(number);
    if (it != pictures.end())
        return *it;
    QPixmap pixmap;
    if (number < 1 || number > Count)
        pixmap = drawBall(number, QColor(170, 170, 170), QColor(90, 90, 90), Qt::black);
    else if (m_colour == Colour::Red)
        pixmap = drawBall(number, QColor(210, 30, 30), QColor(110, 0, 0), Qt::white);
    else
        pixmap = drawBall(number, QColor(245, 245, 245), QColor(150, 150, 150), Qt::black);
    pictures.insert(number, pixmap);
    return pixmap;
}

} // namespace vx
