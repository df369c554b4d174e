#pragma once
// The Duo window: the core window over the Duo side, tied level by level to
// the main window's model (the master core) once it has read its own
// correlation model. It is loaded hidden by the main window's first layout
// pass and shown beside the main window (launch_duo.h); the main window reads
// and writes its controls while it is hidden.
#include <optional>
#include <string>

#include "duo/duo_side.h"
#include "window/core_window.h"

namespace quillory {

class Frm2Main : public CoreWindow {
public:
    Frm2Main(forms::Application& app, const CoreEnvironment& env, DuoSide& duoSide);

    // The warning lamp and its clock.
    forms::Shape& Shape1 = Add<forms::Shape>("Shape1");
    forms::Timer& Timer1 = Add<forms::Timer>("Timer1");

    // Reads the Duo's list of event layers; with `ask` False it first asks
    // whether to, and lights the warning lamp on No.
    void ClickCommand3(bool ask);
    // Copies the main window's age-depth model onto the Duo's own composite
    // depth, once both models, both event lists and the main age-depth model
    // are loaded and the Duo has none yet.
    void TransferAgeModel2();

protected:
    // --- the Duo's differences from the main window's procedures ---
    bool IsMaster() const override { return false; }
    bool FitsMaster() const override { return Option4(0).Value(); }
    float TrinityLevel(float compositeDepth) override;
    std::optional<double> ColumnCentre() const override;
    // The main window's scale buttons choose the Duo's box of the drawn scale.
    const SideWindow& ScaleChoice() const override { return counterpart_.Window(); }
    // Its range pass (duo_scale_options.cpp): its whole core is the main
    // window's range, it centres on its box of the drawn scale, and its whole
    // core on the main window's level.
    int16_t WholeCoreRange() override;
    std::optional<double> RangeCentre() const override { return ColumnCentre(); }
    float WholeCorePick() override;
    void AfterRangePass() override;
    model::TrinityDepth OwnTrinityToCD(int16_t boreHole, int16_t section, float psp) override;
    double OwnCDToEFD(float compositeDepth) override;
    double OwnCDToAge(float compositeDepth) override;
    double OwnAgeToEFD(float age) override;
    float FoundPosition(float psp) const override;
    void ShowSectionOfLevel(const std::string& fromDivider) override;
    bool AnnouncesAgeRefusal() const override { return false; }
    bool AgeBoxNamesErrors() const override { return true; }
    bool ListPickShowsSection() const override { return false; }
    bool SectionPickFreesLevel() const override { return false; }
    // Its age-depth and varve-count readers (duo_age_readers.cpp).
    std::optional<std::string> PlaceAgePoints() override;
    void AgeModelShown() override;
    void ReadVarveCounts(model::ItemReader& file) override;

    // Its drawing, pointing and folding (duo_column_rules.cpp).
    const columns::DrawingRules& Drawing() const override;
    double OwnEFDToCD(float efd) override;
    double OwnDepthOf(double drawn) const override;
    double DrawnDepthOf(double own) const override;
    float DrawnBottom(int k) const override;
    float IntervalStart(const columns::TieDepths& d) const override;
    int AgeDepthColumn() const override { return 5; }
    const model::DepthModel& DatedPointModel() override { return OtherState().model; }
    float DatedPointLevel(float stored) const override;
    void CompleteTieMarks(columns::TieDepths& d) override;
    columns::CompositeTie CompositeTieOf(long row) const override;
    void ShowFontSizeInTitles(int16_t) override {}
    CompositeEdge EdgeBeforeComposite() override;
    // A fold keeps the width of the unfolded window, so that the unfold
    // gives it back.
    bool FoldKeepsWidth(bool folded) const override { return !folded; }
    std::pair<int, int> EventColumns() const override;
    forms::Colour TephraColour() const override;
    RulerMark OwnTargetMark() const override { return {0, 2.5, 2.25, 0.3}; }
    RulerMark TargetMarkInOther() const override { return {7.5, 9.5, 7.25, 0.25}; }
    // The proxy panels over the Duo's store (duo_proxy_panels.cpp): its own
    // composite depth as read and the master core's, drawn by Option4.
    model::ProxyImport ReadProxyFile(model::ItemReader& file, std::string title) override;
    void ConvertProxyPositions(model::ProxyPanelData& panel, model::ProxyAxis axis) override;
    int16_t ProxyPlane() const override;
    int16_t ProxyPreviewPlane() const override;
    void EraseTargetLinesAfterProxy() override;
    void LeavePanelControl(bool axisBox) override;
    // "Convert from data file" keeps its positions on the Duo's own depth.
    model::ConversionSide ConversionReadingSide() override;

private:
    void BuildDesign();
    void WireDuoHandlers();
    void Form_Load();

    // The Duo correlation import and what it opens.
    void Command1_Click();
    void TakeFirstLevel() override;
    void ShowDuoModel();

    // The warning lamp.
    void LightLamp();
    void PutOutLamp();
    void Timer1_Timer();

    // Scale options.
    void Option4_Click();

    DuoSide& duo_;
};

}  // namespace quillory
