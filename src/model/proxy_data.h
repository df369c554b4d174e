#pragma once
// ProxyPanelData: what one proxy panel holds of its data file. The main
// window's five panels and the Duo window's five use the same type; they
// differ in the planes of the positions. Every table is sized to what the
// file held: the limits below are checked while it is read, never allocated.
#include <cstdint>
#include <string>

#include "model/tables.h"
#include "values/values.h"

namespace model {

inline constexpr int32_t kMaxProxyRows = 65535;          // samples of one file
inline constexpr int16_t kMaxProxyCols = 135;            // data columns of one file
inline constexpr int32_t kMaxProxyHeaderItems = 100000;  // items the header scan may hold

// Planes of gProxyY. The main window keeps one per vertical scale; the Duo
// window its own composite depth and the master core's.
inline constexpr int16_t kMainProxyPlanes = 4;  // 0 drilling depth (never drawn), 1 composite, 2 event-free, 3 age
inline constexpr int16_t kMainPlacedPlane = 1;
inline constexpr int16_t kDuoProxyPlanes = 2;  // 0 the Duo's own composite depth, 1 the master core's
inline constexpr int16_t kDuoPlacedPlane = 0;

// How the records of a proxy file place their samples.
enum class ProxyLayout {
    kTextTrinity,  // sample text, bore hole, section, PSP, values
    kTrinity,      // bore hole, section, PSP, values
    kTextValue,    // sample text, one vertical value, values
    kValue,        // one vertical value, values
};

struct ProxyPanelData {
    int32_t gProxyRows = 0;   // samples 1 to gProxyRows
    int16_t gProxyCols = 0;   // data columns 1 to gProxyCols
    bool gProxyHasText = false;
    bool gProxyHasTrinity = false;  // by drilling position (the Duo's gProxyNoBoreHole2), else by one value
    std::string gProxyFileName;

    // Per sample, row 0 unused: the record's own text (layouts with a sample
    // text only), and the vertical value the record gave (the composite depth
    // of its drilling position, 9999 where none was found).
    Table1<std::string> gProxyText;
    Table1<float> gProxyAsRead;

    Table2<float> gProxyY{kMainProxyPlanes, 0};  // (plane, sample); 9999 = no position in that scale
    Table1<std::string> gProxyColName;           // column 0 unused
    Table2<float> gProxyValue{1, 0};             // (column, sample); column 0 unused

    // The sample's text: its own in the layouts that have one, else its
    // vertical value as read, written as text.
    std::string SampleText(long sample) const {
        return gProxyHasText ? gProxyText(sample) : values::SingleText(gProxyAsRead(sample));
    }

    friend bool operator==(const ProxyPanelData&, const ProxyPanelData&) = default;
};

}  // namespace model
