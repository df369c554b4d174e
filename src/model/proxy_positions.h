#pragma once
// The positions of a proxy panel's samples in every scale of its window, and
// their conversion once the vertical-axis question says what a file's single
// vertical value is.
//
// A position that cannot be found is the no-value 9999 in every plane: a
// no-value stays one (it is never converted into a depth), and a conversion
// that fails for one sample (an age outside what the model can give, say)
// gives that sample 9999 and goes on with the next. Nothing here moves the
// age read-out: the errors, rows and caption that the age conversions leave
// behind are kept as they were.
#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/proxy_data.h"

namespace model {

// The answer of the vertical-axis question (Option1(0) to Option1(2)).
enum class ProxyAxis { kCompositeDepth, kAgeB1950, kAgeKa };

// Main window: planes 2 and 3 from plane 1, the event-free depth (CDToEFD
// while the event list is loaded, else the composite depth itself) and the
// age (CDToAge while the age-depth model is loaded, else 9999). Call it again
// for a loaded panel when the event list or the age-depth model arrives.
void FillDerivedPlanes(DepthModel& m, ProxyPanelData& panel);

// Main window, OK of the vertical-axis question: plane 1 from the values as
// read, taken as composite depths, ages in years (b1950) or ages in thousands
// of years (the product taken in single precision) and converted with
// AgeToEFD and EFDToCD; then the derived planes. It starts from the values as
// read whatever the vertical scale was at the import.
void ConvertProxyPositions(DepthModel& m, ProxyPanelData& panel, ProxyAxis axis);

// Duo window: plane 1, the master core's composite depth of plane 0 taken
// through its text form (DuoToMainCD).
void FillMasterPlane(const DuoModelLink& duo, ProxyPanelData& panel);

// Duo window, OK of its vertical-axis question: plane 0 from the values as
// read through the Duo window's own age-depth model, then the master plane.
void ConvertDuoProxyPositions(DepthModel& duoModel, const DuoModelLink& duo, ProxyPanelData& panel, ProxyAxis axis);

}  // namespace model
