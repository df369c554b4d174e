#pragma once
// What a main window shows of its level, as it stood when the events last
// settled, or when a program step last offered a level of its own: the level
// a refused one gives way to, whole.
#include <array>
#include <cstdint>
#include <string>

namespace quillory {

struct ShownLevel {
    // The type-in boxes and the holy trinity's lists: PSP, composite depth,
    // event-free depth and age (the saved texts the refusal gives back),
    // bore hole, section number and section name.
    std::array<std::string, 7> texts;
    // The read-outs: composite and event-free depth (Label1(8), Label1(10)),
    // the rows last searched (Label4), age unit, age error, interpolation
    // (Label7, Label8, Label9).
    std::array<std::string, 6> readouts;
    long slider = 0;
    // ScaleTop and ScaleHeight of the core columns 0 to 5, then of the proxy
    // panels 0 to 4.
    std::array<std::array<double, 2>, 11> views{};
    // Whether mnuBH(1) to mnuBH(4) are enabled.
    std::array<bool, 4> boreHoleMenus{};
    // What the position search found last.
    float gPSP = 0, gTargetCD = 0;
    int16_t gTopRow = 0, gRowA = 0, gRowB = 0, gBH = 0;
    std::string gBHLetter;
};

}  // namespace quillory
