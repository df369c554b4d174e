#pragma once
// What a proxy file's reader needs of the window the file is read for: the
// bore holes' names and the placing of drilling positions in its model.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/proxy_data.h"

namespace model {

class ProxySide {
public:
    virtual ~ProxySide() = default;

    virtual std::string BoreHoleName(int k) const = 0;  // k = 1 to 4
    // The main window also takes "A" to "D" for bore-hole names in telling
    // the layout; the Duo window only its own names.
    virtual bool LettersNameBoreHoles() const = 0;
    virtual int16_t Planes() const = 0;
    virtual int16_t PlacedPlane() const = 0;  // the plane of the positions as read
    // Bore-hole and section number of a drilling position's names (BHNo, GetSectionNo).
    virtual std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const = 0;
    virtual TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const = 0;
    // True when Locate and TrinityToCD may run on several threads at once.
    virtual bool LooksUpConcurrently() const = 0;
};

// The main window: its own depth model.
class MainProxySide : public ProxySide {
public:
    explicit MainProxySide(const DepthModel& m) : m_(m) {}
    std::string BoreHoleName(int k) const override;
    bool LettersNameBoreHoles() const override { return true; }
    int16_t Planes() const override { return kMainProxyPlanes; }
    int16_t PlacedPlane() const override { return kMainPlacedPlane; }
    std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const override;
    TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const override;
    bool LooksUpConcurrently() const override { return true; }  // they only read the model

private:
    const DepthModel& m_;
};

// The Duo window: its model as the link shows it (BHNo2, GetSectionNo2, TrinityToCD2).
class DuoProxySide : public ProxySide {
public:
    explicit DuoProxySide(const DuoModelLink& duo) : duo_(duo) {}
    std::string BoreHoleName(int k) const override;
    bool LettersNameBoreHoles() const override { return false; }
    int16_t Planes() const override { return kDuoProxyPlanes; }
    int16_t PlacedPlane() const override { return kDuoPlacedPlane; }
    std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const override;
    TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const override;
    bool LooksUpConcurrently() const override { return false; }  // the link promises no such thing

private:
    const DuoModelLink& duo_;
};

}  // namespace model
