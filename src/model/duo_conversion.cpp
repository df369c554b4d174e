#include "model/duo_conversion.h"

#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "values/runtime_error.h"

namespace model {

double TrinityToCD2(const DepthModel& duo, int16_t boreHole, int16_t section, float psp, Extrapolation rule) {
    return TrinityToCD(duo, boreHole, section, psp, rule).value_or(kNoValue);
}

std::optional<double> CDToEFD2(const DepthModel& duo, float cd) {
    if (!duo.gEventsLoaded) return std::nullopt;
    try {
        return CDToEFD(duo, cd);
    } catch (const values::RuntimeError&) {
        return std::nullopt;
    }
}

double EFDToCD2(const DepthModel& duo, float efd) { return EFDToCD(duo, efd); }

std::optional<double> EFDToAge2(DepthModel& duo, float efd) { return EFDToAge(duo, efd, Side::kDuo); }

std::optional<double> CDToAge2(DepthModel& duo, float cd) { return CDToAge(duo, cd, Side::kDuo); }

std::optional<double> AgeToEFD2(DepthModel& duo, float age) { return AgeToEFD(duo, age, Side::kDuo); }

}  // namespace model
