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
    std::string letters = "ABCD";   // the bore holes' names
};

CoreLayout MakeLayout(int tieRows = 5000, unsigned seed = 1, const std::string& letters = "ABCD");

// The Duo model's layout beside MakeLayout(): 5,000 rows of bore holes E to H.
inline CoreLayout DuoLayout() { return MakeLayout(5000, 6, "EFGH"); }

// The version date the file names below carry, and its label.
inline constexpr const char* kVersionDigits = "20240209";
inline constexpr const char* kVersionLabel = "09 Feb. 2024";

// The correlation model (14 items per record, every cell behind one leading
// character).
std::string CorrelationModelFile(const CoreLayout& layout);

// The Duo window's correlation model (18 items per record) of `duo`, tied to
// the master core `master` (the layout of CorrelationModelFile): each marker
// row names the level of master composite depth kDuoStretch x its own depth +
// kDuoOffset by the first master bore hole, section and PSP that hold it, and
// no master position where none does.
inline constexpr double kDuoStretch = 0.96, kDuoOffset = 12.0;
std::string DuoCorrelationModelFile(const CoreLayout& duo, const CoreLayout& master);

// `layers` event layers at positions inside the layout's sections.
std::string EventListFile(const CoreLayout& layout, int layers = 2000, unsigned seed = 2);

// `points` age control points, half by drilling position, half by composite
// depth, ages growing with depth; the composite-depth title carries kVersionLabel.
std::string AgeModelFile(const CoreLayout& layout, int points = 200, unsigned seed = 3);

// `counts` cumulative varve counts every 0.5 cm from a quarter of the layout's
// depth down, by composite depth.
std::string VarveCountsFile(const CoreLayout& layout, int counts = 1000, unsigned seed = 5);

// `records` samples located by drilling position (a trinity conversion file),
// as a core scanner gives them: runs of up to 500 positions 0.2, 0.5 or 1 cm
// apart along a section picked at random, from somewhere in its upper half to
// near its end, a quarter of the runs naming the bore hole by its long name.
// Some runs pass the section's end by up to 3 cm (no value); about 1 sample
// in 200 has the no-value PSP -9999.
std::string TrinitySamplesFile(const CoreLayout& layout, long records = 1000000, unsigned seed = 6);
// A proxy data file placed by holy trinity (bore hole, section written as a
// plain number, PSP, then `columns` element counts), `samples` samples spread
// evenly over the layout's sections: 65,535 x 135 is about 60 MB.
std::string ProxyTrinityFile(const CoreLayout& layout, long samples = 65535, int columns = 135, unsigned seed = 6);

// `records` records of `fields` numbers each (an integer, then decimals).
std::string NumericFile(long records = 400000, int fields = 59, unsigned seed = 4);

}  // namespace bench
