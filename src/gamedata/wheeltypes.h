#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace vx {

// A kind of guaranteed wheel: lines of `pick` numbers such that whenever `drawn` of the drawn balls
// fall in the group, some line holds at least `match` of them. `number` is the type's number among
// those of its pick size (1 for the first), as the wheel window lists them and OpenWheelType holds it.
struct WheelType {
    int16_t pick = 0;
    int16_t drawn = 0;
    int16_t match = 0;
    int16_t number = 0;

    QString caption() const; // "Guarantee Match 3 if 5 Picked from Group"
    QString suffix() const; // "-6-5-3.lot", the end of the wheel entry file's name
    QString menuName() const; // "mnu653", the Wheels > Open item
    bool operator==(const WheelType &) const = default;
};

constexpr int WheelTypeCount = 24;

// Every wheel type, in the order of the Wheels > Open menu: pick 7, 6, 5, then 4, each size's types
// by their numbers.
const std::array<WheelType, WheelTypeCount> &wheelTypes();

// The types of one pick size (4 to 7) by their numbers; empty for any other size.
std::vector<WheelType> wheelTypesOfPick(int pick);

} // namespace vx
