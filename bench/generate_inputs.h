#pragma once
// Large input files in the formats the program reads, for the benchmarks:
// a correlation model of four bore holes, an event list and an age-depth model
// that fit it, and a comma-separated file of numbers. The same arguments give
// the same files.
#include <string>
#include <vector>

namespace bench {

// One core section: bore hole letter, section number, composite depth of its
// top (cm), recovered length in PSP (cm), and cm of composite depth per cm of PSP.
struct Section {
    char boreHole;
    int number;
    double top;
    double length;
    double stretch;
};

// Sections of four bore holes, sized so that their correlation model has
// exactly `tieRows` tie rows (sections ~1 m long, marker laminae every 5 cm,
// every section closed by its bottom row).
struct CoreLayout {
    std::vector<Section> sections;  // by bore hole, then downwards
    long extraMarkers = 0;          // markers between the 5 cm ones that make up the row count
};

CoreLayout MakeLayout(int tieRows = 5000, unsigned seed = 1);

// The version date the file names below carry, and its label.
inline constexpr const char* kVersionDigits = "20240209";
inline constexpr const char* kVersionLabel = "09 Feb. 2024";

// The correlation model (14 items per record, every cell behind one leading
// character).
std::string CorrelationModelFile(const CoreLayout& layout);

// `layers` event layers at positions inside the layout's sections.
std::string EventListFile(const CoreLayout& layout, int layers = 2000, unsigned seed = 2);

// `points` age control points, half by drilling position, half by composite
// depth, ages growing with depth; the composite-depth title carries kVersionLabel.
std::string AgeModelFile(const CoreLayout& layout, int points = 200, unsigned seed = 3);

// `counts` cumulative varve counts every 0.5 cm from a quarter of the layout's
// depth down, by composite depth.
std::string VarveCountsFile(const CoreLayout& layout, int counts = 1000, unsigned seed = 5);

// A proxy data file placed by holy trinity (bore hole, section written as a
// plain number, PSP, then `columns` element counts), `samples` samples spread
// evenly over the layout's sections: 65,535 x 135 is about 60 MB.
std::string ProxyTrinityFile(const CoreLayout& layout, long samples = 65535, int columns = 135, unsigned seed = 6);

// `records` records of `fields` numbers each (an integer, then decimals).
std::string NumericFile(long records = 400000, int fields = 59, unsigned seed = 4);

}  // namespace bench
