// The conversion reader on any file, over the example models, with or without
// the event list, a stand-in Duo model and either extrapolation. The reader
// either reads the file, refuses a one-value file without the event list, or
// stops with a run-time error; every composite and event-free depth it gives
// must equal the one found position by position with TrinityToCD and CDToEFD;
// what it read must then convert and write without faults other than
// run-time errors. Every file is read and written twice: by one thread, and
// shared out in parts of a few records each as a long file is; both give the
// same tables and the same converted file.
// The first byte chooses the models: bit 0 the event list and age-depth
// model, bit 1 the Duo model, bit 2 proportional extrapolation.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "model/age_model_import.h"
#include "model/conversion_input.h"
#include "model/conversion_output.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "values/values.h"

namespace {

// Duo bore holes E to H. Section 01 reaches from PSP 0 to 100 with depth
// PSP + 40, 02 has no closing row and no ties, 03 a first PSP that is not a number.
struct DuoStandIn : model::DuoModelLink {
    bool ModelLoaded() const override { return true; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    std::string BoreHoleLongName(int k) const override { return "Duo core " + std::to_string(k); }
    int16_t GetSectionNo2(int16_t, std::string_view name) const override {
        return name == "01" ? 1 : name == "02" ? 2 : name == "03" ? 3 : 9999;
    }
    model::SectionEnds SectionEnds2(int16_t, int16_t section) const override {
        if (section == 1) return {"0", "100"};
        if (section == 2) return {"5", std::nullopt};
        return {"x", "1"};
    }
    model::TrinityDepth TrinityToCD2(int16_t, int16_t section, float psp) const override {
        if (section == 1) return psp + 40.0;
        return section == 2 ? model::TrinityDepth() : model::TrinityDepth(model::kNoValue);
    }
    float DuoToMainCD(float d) const override { return d + 1000; }
};

model::DepthModel WithAges(bool proportional) {
    model::DepthModel m = fuzz::ExampleModel(true);
    if (proportional) m.gExtrapolation = model::Extrapolation::kProportional;
    model::ItemReader ages =
        model::ItemReader::Open(std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_age_model_20240215.csv");
    model::BeginAgeModelImport(m, ages, "QL22_age_model_20240215.csv");
    model::FinishAgeModelImport(m, ages, nullptr);
    return m;
}

model::DepthModel Without(bool proportional) {
    model::DepthModel m = fuzz::ExampleModel(false);
    if (proportional) m.gExtrapolation = model::Extrapolation::kProportional;
    return m;
}

bool IsMarker(double v) { return v == 9999 || v == -9999; }
bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The composite depth of one record found the slow way, position by position.
double Reference(const model::DepthModel& m, const model::DuoModelLink* duo, std::string_view boreHole,
                 std::string_view section, std::string_view psp) {
    const double position = model::StrictNumber(psp);
    if (IsMarker(position)) return position;
    int b = 9999;
    for (int k = 1; k <= 4 && b == 9999; ++k)
        if (boreHole == m.gBoreHoleName[k] || boreHole == m.gBoreHoleLongName[k]) b = k;
    for (int k = 1; duo && k <= 4 && b == 9999; ++k)
        if (boreHole == duo->BoreHoleName(k) || boreHole == duo->BoreHoleLongName(k)) b = 4 + k;
    if (b == 9999) return model::kNoValue;
    const auto k = static_cast<int16_t>(b <= 4 ? b : b - 4);
    const int16_t s = b <= 4 ? model::GetSectionNo(m, k, section) : duo->GetSectionNo2(k, section);
    if (s == 9999) return model::kNoValue;
    const model::SectionEnds ends = b <= 4 ? model::GetSectionEnds(m, k, s) : duo->SectionEnds2(k, s);
    // The section's tie PSPs as written, in the position's own precision.
    if (position < model::StrictNumber(ends.top)) return model::kNoValue;
    if (ends.bottom && position > model::StrictNumber(*ends.bottom)) return model::kNoValue;
    const float x = values::CSng(position);
    if (b <= 4) {
        const model::TrinityDepth d = model::TrinityToCD(m, k, s, x);
        return d ? *d : model::kNoValue;
    }
    const model::TrinityDepth d = duo->TrinityToCD2(k, s, x);
    return d ? duo->DuoToMainCD(values::CSng(*d)) : model::kNoValue;
}

void CheckTrinity(const model::ConversionTrinity& t, const model::DepthModel& m, const model::DuoModelLink* duo) {
    const long n = t.Rows();
    fuzz::Require(t.composite.size() == static_cast<size_t>(n) + 1);
    fuzz::Require(t.eventFree.size() == (m.gEventsLoaded ? static_cast<size_t>(n) + 1 : 0));
    for (long r = 1; r <= n; ++r) {
        const double cd = Reference(m, duo, t.fields(1, r), t.fields(2, r), t.fields(3, r));
        fuzz::Require(Same(t.composite[r], cd));
        if (m.gEventsLoaded)
            fuzz::Require(Same(t.eventFree[r], IsMarker(cd) ? cd : model::CDToEFD(m, values::CSng(cd))));
    }
}

// Two readings of one file hold the same tables, cell for cell and bit for bit.
bool SameTables(const model::ConversionTables& a, const model::ConversionTables& b) {
    auto sameText = [](const model::TextTable& x, const model::TextTable& y) {
        if (x.Rows() != y.Rows()) return false;
        for (long r = 0; r < x.Rows(); ++r)
            for (int c = 0; c < x.Columns(); ++c)
                if (x(c, r) != y(c, r)) return false;
        return true;
    };
    auto sameNumbers = [](const model::LargeArray<double>& x, const model::LargeArray<double>& y) {
        return x.size() == y.size() && (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof x[0]) == 0);
    };
    return sameText(a.gConvTrinity.fields, b.gConvTrinity.fields) && sameText(a.gConvTable.fields, b.gConvTable.fields) &&
           sameNumbers(a.gConvTrinity.composite, b.gConvTrinity.composite) &&
           sameNumbers(a.gConvTrinity.eventFree, b.gConvTrinity.eventFree) && a.gConvFrom == b.gConvFrom &&
           a.gConvDetected == b.gConvDetected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // Not copied for each input: the conversions change nothing in them but
    // their side results and where their searches start.
    static model::DepthModel models[4] = {Without(false), WithAges(false), Without(true), WithAges(true)};
    static const DuoStandIn standIn;
    const uint8_t choice = data[0];
    model::DepthModel& m = models[(choice & 1) + ((choice & 4) ? 2 : 0)];
    const model::DuoModelLink* duo = choice & 2 ? &standIn : nullptr;

    // One reader and one thread, and the same file shared out in parts of a
    // few records each, as a long file is: the same tables, the same file.
    const model::ConversionParts oneReader{1}, inParts{3, 48, 2, 3};
    model::ConversionTables t, shared;
    model::ConversionReading reading, sharedReading;
    model::ItemReader file = fuzz::FileOf(data + 1, size - 1), sameFile = fuzz::FileOf(data + 1, size - 1);
    const bool read = fuzz::Loads([&] { reading = model::ReadConversionFile(file, t, model::MainWindowSide(m, duo), oneReader); });
    const bool sharedRead = fuzz::Loads(
        [&] { sharedReading = model::ReadConversionFile(sameFile, shared, model::MainWindowSide(m, duo), inParts); });
    fuzz::Require(read == sharedRead && reading.refused == sharedReading.refused && SameTables(t, shared));
    fuzz::Require(t.gConvTrinity.fields.Columns() == 4 && t.gConvTable.fields.Columns() == 2);
    // A reading that does not complete leaves the tables as they were: empty here.
    if (!read || reading.refused) {
        fuzz::Require(reading.refused == (read && !m.gEventsLoaded));
        fuzz::Require(SameTables(t, model::ConversionTables{}));
        return 0;
    }
    const int16_t from = t.gConvDetected;
    if (from == model::kScaleTrinity) {
        fuzz::Require(t.gConvFrom == model::kScaleTrinity);
        CheckTrinity(t.gConvTrinity, m, duo);
    } else {
        fuzz::Require(t.gConvFrom == model::kScaleEventFree && t.gConvTable.Rows() >= 3);
        const std::string_view title = t.gConvTable.fields(1, 0).substr(0, 3);
        fuzz::Require(from == (title == "Com" ? model::kScaleComposite : title == "Age" ? model::kScaleAge
                                                                                        : model::kScaleEventFree));
    }

    const model::MasterColumn master{"Composite depth (Master)", [](float d) { return d - 1000; }};
    for (int16_t mask : {from, static_cast<int16_t>(15)}) {
        if (model::CheckConversion(t, from, mask, m).refused) continue;
        std::string written[2];
        bool converted[2] = {false, false};
        for (int k = 0; k < 2; ++k) {
            fuzz::Converts([&] {
                model::WriteConversion(t, from, mask, m, model::TitlesOf(m, "95.4 %", "95.4 %"), duo ? &master : nullptr,
                                       [&](std::string_view block) { written[k] += block; }, k ? inParts : oneReader);
                converted[k] = true;
            });
        }
        fuzz::Require(converted[0] == converted[1] && (!converted[0] || written[0] == written[1]));
    }
    return 0;
}
