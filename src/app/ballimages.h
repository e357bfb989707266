#pragma once

#include <QPixmap>

namespace vx {

// A list of numbered ball pictures, picture k showing ball k (1 to 60), drawn on first use.
// A number outside 1 to 60 gets a grey ball with its number, so damaged records still show.
class BallImageList
{
public:
    enum class Colour { Red, White };
    static constexpr int Count = 60;

    explicit BallImageList(Colour colour);
    QPixmap picture(int number) const;
    Colour colour() const { return m_colour; }

private:
    Colour m_colour;
};

} // namespace vx
