#include "gamedata/wheeltypes.h"

namespace vx {

QString WheelType::caption() const
{
    return QStringLiteral("Guarantee Match %1 if %2 Picked from Group").arg(match).arg(drawn);
}

QString WheelType::suffix() const
{
    return QStringLiteral("-%1-%2-%3.lot").arg(pick).arg(drawn).arg(match);
}

QString WheelType::menuName() const
{
    return QStringLiteral("mnu%1%2%3").arg(pick).arg(drawn).arg(match);
}

const std::array<WheelType, WheelTypeCount> &wheelTypes()
{
    static const std::array<WheelType, WheelTypeCount> types = {{
        {7, 7, 7, 1},
        {7, 7, 6, 2},
        {7, 7, 5, 3},
        {7, 7, 4, 4},
        {7, 7, 3, 5},
        {6, 6, 6, 1},
        {6, 6, 5, 2},
        {6, 6, 4, 3},
        {6, 6, 3, 4},
        {6, 5, 5, 5},
        {6, 5, 4, 6},
        {6, 5, 3, 7},
        {6, 4, 4, 8},
        {6, 4, 3, 9},
        {6, 3, 3, 10},
        {5, 5, 5, 1},
        {5, 5, 4, 2},
        {5, 5, 3, 3},
        {5, 4, 4, 4},
        {5, 4, 3, 5},
        {5, 3, 3, 6},
        {4, 4, 4, 1},
        {4, 4, 3, 2},
        {4, 4, 2, 3},
    }};
    return types;
}

std::vector<WheelType> wheelTypesOfPick(int pick)
{
    std::vector<WheelType> types;
    for (const WheelType &type : wheelTypes())
        if (type.pick == pick)
            types.push_back(type);
    return types;
}

} // namespace vx
