#include "model/proxy_positions.h"

#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "values/runtime_error.h"
#include "values/values.h"

namespace model {
namespace {

constexpr float kNoPosition = 9999.0f;

bool IsNoValue(float v) { return v == 9999.0f || v == -9999.0f; }

// A sample's position from a conversion, 9999 where it has none or fails.
template <class Conversion>
float Position(float from, Conversion convert) {
    if (IsNoValue(from)) return kNoPosition;
    try {
        const float to = values::CSng(convert(from));
        return IsNoValue(to) ? kNoPosition : to;
    } catch (const values::RuntimeError&) {
        return kNoPosition;
    }
}

// The composite depth of a value as read, by the answer.
double AxisToCompositeDepth(DepthModel& m, float value, ProxyAxis axis) {
    if (axis == ProxyAxis::kCompositeDepth) return value;
    const float age = axis == ProxyAxis::kAgeKa ? value * 1000.0f : value;
    return EFDToCD(m, values::CSng(AgeToEFD(m, age)));
}

// Writes plane `plane` of every sample from the values as read.
void ConvertPlacedPlane(DepthModel& m, ProxyPanelData& panel, int16_t plane, ProxyAxis axis) {
    AgeReadoutKept kept(m);
    for (long i = 1; i <= panel.gProxyRows; ++i)
        panel.gProxyY(plane, i) =
            Position(panel.gProxyAsRead(i), [&](float v) { return AxisToCompositeDepth(m, v, axis); });
}

}  // namespace

void FillDerivedPlanes(DepthModel& m, ProxyPanelData& panel) {
    AgeReadoutKept kept(m);
    for (long i = 1; i <= panel.gProxyRows; ++i) {
        const float cd = panel.gProxyY(1, i);
        panel.gProxyY(2, i) = m.gEventsLoaded ? Position(cd, [&](float v) { return CDToEFD(m, v); })
                                              : (IsNoValue(cd) ? kNoPosition : cd);
        panel.gProxyY(3, i) = m.gAgeModelLoaded ? Position(cd, [&](float v) { return CDToAge(m, v); }) : kNoPosition;
    }
}

void ConvertProxyPositions(DepthModel& m, ProxyPanelData& panel, ProxyAxis axis) {
    ConvertPlacedPlane(m, panel, kMainPlacedPlane, axis);
    FillDerivedPlanes(m, panel);
}

void FillMasterPlane(const DuoModelLink& duo, ProxyPanelData& panel) {
    for (long i = 1; i <= panel.gProxyRows; ++i)
        panel.gProxyY(1, i) = Position(panel.gProxyY(0, i), [&](float v) {
            return duo.DuoToMainCD(values::CSng(values::Val(values::SingleText(v))));
        });
}

void ConvertDuoProxyPositions(DepthModel& duoModel, const DuoModelLink& duo, ProxyPanelData& panel, ProxyAxis axis) {
    ConvertPlacedPlane(duoModel, panel, kDuoPlacedPlane, axis);
    FillMasterPlane(duo, panel);
}

}  // namespace model
