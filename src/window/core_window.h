#pragma once
// The core window: the procedures both main windows run over their own side
// (the level boxes, the holy trinity, the position search, the read-outs, the
// drawing of the columns, pointing and picking, the target line, the range,
// the layout and folding, and the frame of every import). The main window and
// the Duo window are each one of these; where the Duo window's procedures
// differ, it overrides the hooks below, whose defaults are the main window's.
#include <cstdint>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "forms/application.h"
#include "side/photo_window_state.h"
#include "side/side_window.h"
#include "model/depth_model.h"
#include "model/duo_link.h"
#include "window/core_environment.h"
#include "window/counterpart.h"

namespace model {
class ItemReader;
struct AgeModelHeader;
struct ConversionSide;
struct CorrelationImport;
}

namespace quillory {

namespace columns {
struct TieDepths;
struct DrawingRules;
struct CompositeTie;
}  // namespace columns

// The column before the composite one in the row of columns, and the window
// width that ends just before the composite column (a fold there, or the
// unfold that shows the fourth bore hole whole).
struct CompositeEdge {
    const forms::Control& before;
    double width;
};

// A ruler mark of the target line: a line from x1 to x2 and a dot.
struct RulerMark {
    double x1, x2, dotX, radius;
};

class CoreWindow : public SideWindow, private forms::SettledWatcher {
public:
    CoreWindow(forms::Application& app, const std::string& name, const CoreEnvironment& env);
    ~CoreWindow() override;

    // --- level finding and read-outs ---
    void SearchCoreTop();
    void GetCompositDepth();
    // Both, after a change of scale or model: where the position's level is
    // refused, the view stays centred on it and the boxes keep their level.
    void RecentreOnTrinity();
    void BoreHoleChange(int16_t b);
    // The age box and the age read-outs beside it.
    void EnableAgeReadouts(bool enabled);
    // Finds bore hole b's section, tie rows and PSP at a composite depth.
    // Returns false when no PSP was computed: gPSP then holds nothing valid
    // for this call, and callers treat the bore hole as having no level here.
    bool GetPSP(int16_t b, float depth);
    void DisplayAge();

    // --- core-column display ---
    // The full redraw of the columns and panels.
    void DrawLamina() override;
    void DrawBH5();
    void DrawEvents();
    // The target line at a level of this window's drawn scale, here and,
    // converted, in the other window.
    void TargetLine(float y);
    void EraseTargetLines() override;
    // This window's and, while the Duo model is loaded, the other's.
    void EraseBothTargetLines();
    void MouseMoveProcedure(int16_t index, int button, int shift, float x, float y);
    void MouseDownProcedure(int16_t index, int button, int shift, float x, float y);
    // A range item of this window: the range applies here, and in both
    // windows while the ranges are linked.
    void SetRange(int16_t range);
    // The range pass of one window.
    void ApplyRange(int16_t range);
    // The range this window's Range menu marks: its first checked range item,
    // else the whole core.
    int16_t CheckedRange();
    // Draws the target line in this window only, at a level of its own scale.
    void DrawTargetLine(float y, const RulerMark& mark);
    // The level of a holy-trinity position on the drawn columns, from its
    // composite depth (a hook: the Duo window may draw on the master core).
    virtual float TrinityLevel(float compositeDepth);

    CoreWindow& Other() { return static_cast<CoreWindow&>(counterpart_.Window()); }
    // The master core's window and the Duo window, whichever this one is.
    CoreWindow& MasterWindow() { return IsMaster() ? *this : Other(); }
    CoreWindow& DuoWindow() { return IsMaster() ? Other() : *this; }
    // The other window's state, without loading its window.
    SideState& OtherState() { return counterpart_.State(); }
    // A composite depth of this window's model in the other window's.
    float ToOtherCD(float depth) { return counterpart_.ToOtherCD(depth); }

    // The range item "Whole core".
    static constexpr int16_t kWholeCore = 9999;

    // --- the proxy panels (the main window's rules; window/proxy_panels.cpp) ---
    // "Import proxy" of panel k.
    void Command6_Click(int16_t panel);
    model::ProxyImport ReadProxyFile(model::ItemReader& file, std::string title) override;
    void ConvertProxyPositions(model::ProxyPanelData& panel, model::ProxyAxis axis) override;
    int16_t ProxyPlane() const override { return state.model.gVerticalScale; }
    int16_t ProxyPreviewPlane() const override { return ProxyPlane(); }
    std::array<float, 2> ProxyBandEdges() override;
    void EraseTargetLinesAfterProxy() override { EraseBothTargetLines(); }
    // The pointer leaves a panel for one of its controls: its axis boxes
    // also take the Duo window's target lines away.
    virtual void LeavePanelControl(bool axisBox);

protected:
    // --- hooks: the main window's behaviour, which the Duo window overrides ---
    // The master core's window runs its range pass first.
    virtual bool IsMaster() const { return true; }
    // The window draws its columns on the master core's composite depth.
    virtual bool FitsMaster() const { return false; }
    // Whether a pointer here marks its level in the other window too.
    virtual bool MirrorsTargetLine() const { return shared.gDuoModelLoaded; }
    // Where the target line marks the ruler of this window, and where this
    // window's pointer marks the other window's ruler.
    virtual RulerMark OwnTargetMark() const { return {7.5, 9.5, 7.25, 0.25}; }
    virtual RulerMark TargetMarkInOther() const { return {-0.3, 2.2, 1.95, 0.25}; }
    // The event table's columns of a layer's top and bottom on the drawn scale.
    std::pair<int, int> EventColumns() const override;
    virtual forms::Colour TephraColour() const;
    // What only one window does at the start of a typed level's road and
    // after a range pass.
    virtual void TraceLevelChange() {}
    virtual void AfterRangePass() {}
    // The range pass: the range "Whole core" gives, the level a range centres
    // on, and the level whose pick centres the whole core.
    virtual int16_t WholeCoreRange();
    virtual std::optional<double> RangeCentre() const;
    virtual float WholeCorePick();
    // The models "Convert from data file" places drilling positions in, and
    // the composite depth it keeps them on: the main window's.
    virtual model::ConversionSide ConversionReadingSide();

    // The age-depth and varve-count readers (window/age_imports.cpp): whether
    // a model whose header names another correlation model's version is read
    // on (the main window asks; the Duo window does not); the control points
    // placed on this side's composite depth, or the message that refuses the
    // model; what follows once the model is shown; and the varve counts read
    // after their header, with what they renew.
    virtual bool TakesAgeModelHeader(const model::AgeModelHeader&) { return true; }
    virtual std::optional<std::string> PlaceAgePoints() = 0;
    virtual void AgeModelShown() {}
    virtual void ReadVarveCounts(model::ItemReader& file) = 0;

    // The level the columns centre on when a level arrives in the
    // composite-depth box: the value of the box of the drawn scale.
    virtual std::optional<double> ColumnCentre() const { return ScaleBoxLevel(); }
    // The window whose scale buttons (Option2) choose the box of the drawn
    // scale.
    virtual const SideWindow& ScaleChoice() const { return *this; }

    // This side's own conversions: the composite depth of a drilling
    // position (none when its section has no usable tie), and its event-free
    // depth and age (model/depth_conversion.h, model/age_conversion.h).
    virtual model::TrinityDepth OwnTrinityToCD(int16_t boreHole, int16_t section, float psp);
    virtual double OwnCDToEFD(float compositeDepth);
    virtual double OwnCDToAge(float compositeDepth);
    virtual double OwnAgeToEFD(float age);
    virtual double OwnEFDToCD(float efd);

    // --- the drawing of the columns, pointing, folding ---
    // What the drawing differs in (column_drawing.h).
    virtual const columns::DrawingRules& Drawing() const;
    // A level of the drawn columns on this side's own composite depth, and
    // back: the Duo window fitted to the master core draws on the master
    // core's composite depth, every other drawing on its own.
    virtual double OwnDepthOf(double drawn) const { return drawn; }
    virtual double DrawnDepthOf(double own) const { return own; }
    // Bore hole k's bottom on the drawn columns.
    virtual float DrawnBottom(int k) const { return state.model.gBoreHoleBottom[k]; }
    // Where the marked intervals of the bore holes begin: the first tie row
    // with a composite depth.
    virtual float IntervalStart(const columns::TieDepths& d) const;
    // The age-depth model's column that places its rows on the drawn scale.
    virtual int AgeDepthColumn() const;
    // The age-depth model whose dated points the columns show, and where a
    // point's depth in it lies on the drawn columns.
    virtual const model::DepthModel& DatedPointModel() { return state.model; }
    virtual float DatedPointLevel(float stored) const { return stored; }
    // The composite column's marks of the tie rows: the depths the drawing
    // fills in where a row has none, and the line and text of a row.
    virtual void CompleteTieMarks(columns::TieDepths&) {}
    virtual columns::CompositeTie CompositeTieOf(long row) const;
    // A font size chosen in the Font menu also sizes the column titles of
    // both windows.
    virtual void ShowFontSizeInTitles(int16_t size);
    // Where a fold or unfold before the composite column ends the window.
    virtual CompositeEdge EdgeBeforeComposite();
    // Whether a fold at a gap keeps the window's width as the one to unfold
    // to: the main window's does while it is folded already.
    virtual bool FoldKeepsWidth(bool folded) const { return folded; }

    // The PSP the position search hands on.
    virtual float FoundPosition(float psp) const { return psp; }

    // After a typed level's road has found its position: the section name the
    // Level Divider's label gives (the bore-hole letter and "-" cut off).
    virtual void ShowSectionOfLevel(const std::string& fromDivider);
    // A typed age below every bottom is refused with a message.
    virtual bool AnnouncesAgeRefusal() const { return true; }
    // The age box's error read-out names the two errors.
    virtual bool AgeBoxNamesErrors() const { return false; }
    // A bore hole picked from the list shows its section name afterwards
    // (otherwise one typed or written into the list does).
    virtual bool ListPickShowsSection() const { return true; }
    // A section picked by name also frees the level for the section's road.
    virtual bool SectionPickFreesLevel() const { return true; }

    // --- shared steps the windows' own code builds on ---
    // Where a window's row of columns stands (twips): the bore holes 1 to 4,
    // the slider, the ruler, the composite column and the first proxy panel.
    struct ColumnPlaces {
        int boreHoleLeft[4];
        int sliderLeft, rulerLeft, compositeLeft, panelLeft;
    };
    // The design both windows share: the controls with the Range and Font
    // menus, and the pop-up menus (built after the window's own menu bar).
    void BuildCoreDesign(const ColumnPlaces& places);
    // The panels' pop-ups of the Duo window lack two of the main window's
    // separators: between "Flip horizontal" and "Copy" in panel 1, and before
    // "Export" in panels 0 to 3.
    enum class PanelMenus { kMain, kDuo };
    void BuildCorePopups(PanelMenus panelMenus);
    // The Tool menu's items both windows have, with the names and caption of
    // the window's own "Align forms" and "Tie points" items.
    void AddToolMenu(char firstBoreHole, const std::string& alignName, const std::string& alignCaption,
                     const std::string& tiePointsName);
    void WireHandlers();
    // The frame of every import: the dialog, the opened file, and the error
    // trap that reports a fault after the file was opened.
    void RunImport(forms::CommandButton* retry,
                   const std::function<void(const std::string& path, model::ItemReader& file)>& read);
    // `failed` runs after a cancelled dialog or a fault, once the frame has
    // reported it; `chosen` is false for a cancelled dialog.
    void RunImport(forms::CommandButton* retry,
                   const std::function<void(const std::string& path, model::ItemReader& file)>& read,
                   const std::function<void(bool chosen)>& failed);
    void EndImport(bool opened);
    void ShowProgress(double max);
    // Once a correlation model was read: the column titles and bore-hole
    // menu captions, the sliders, the section lists, the controls the model
    // opens, its first level and the bore-hole list.
    void ShowCorrelationModel(const model::CorrelationImport& shown);
    // Tells the platform the labels the columns print at the tie rows.
    void AnnounceTieLabels();
    // Where the window's level goes once its model is read.
    virtual void TakeFirstLevel() = 0;
    // A level a program step gives on its way: where it is refused, the level
    // shown before the write comes back and the step goes on.
    void OfferLevel(const std::function<void()>& write);
    // Once a list of event layers was read: its controls, the event-free
    // read-out of the current level and the redrawn columns.
    void ShowEventList();
    // Start-up defaults both windows give their side, in their order: the
    // width, folding, photo and panel defaults, then (after each window's
    // range) the holy trinity, boxes, columns and scale.
    void LoadPanelDefaults(bool& photoOpen);
    void LoadTrinityDefaults(const std::string& firstBoreHole);
    void EvaluateBoreHoleMenus(float level);
    void PushLevel(float level);
    void ConnectLinesTo(const forms::TextBox& box);
    // The level of the box of the drawn scale (Option2), and the level the
    // view centres on (Option1(0): the composite-depth read-out).
    std::optional<double> ScaleBoxLevel() const;
    std::optional<double> ViewLevel() const;
    // The panels take the composite column's scale.
    void FollowColumns();
    void CheckRange(int16_t range);
    // A display menu item that switches a drawing on and off.
    void ToggleAndRedraw(forms::Menu& item);
    std::string DepthText(double v) const;
    std::string AgeText(double v) const;

    // The Duo model as this window's importers read it (counterpart.h).
    const model::DuoModelLink* DuoModel() { return counterpart_.DuoModel(); }

    const SideTools tools_;
    Counterpart& counterpart_;
    const std::array<forms::FormSlot<PhotoWindow>*, kPhotoWindowCount> photos_;

private:
    // The columns, boxes, lists, buttons and menus a correlation model opens.
    void OpenModelControls();
    void AddScaleOptions(forms::ControlArray<forms::OptionButton>& option2, forms::Frame& frame);
    // Layout and folding, pointing, menus.
    void WireColumnHandlers();
    void DrawMarkers(const columns::TieDepths& depths);
    void Form_Activate();
    void Form_GotFocus();
    void Form_Resize();
    void Form_MouseDown(float x);
    void Form_MouseMove(float y);
    void FoldAtRuler();
    void BoreHole_MouseMove(int16_t index, int button, int shift, float x, float y);
    void BoreHole_MouseDown(int16_t index, int button, int shift, float x, float y);
    void PickOnBoreHole(int16_t index, int button, int shift, float x, float y);
    // The holy trinity as it stood before a right press on a column.
    struct ShownTrinity {
        std::string boreHole, sectionNumber, sectionName, psp;
    };
    // A right press selects the pressed bore hole: the section and position
    // shown become its own at the level shown, or, where it does not reach
    // that level, the bore hole shown before comes back with them.
    void ShowPressedBoreHoleAtLevel(int16_t index, const ShownTrinity& before);
    // A picked level into the composite-depth box.
    void WriteLevel(const std::string& text);
    void mnuSize_Click(int16_t index);
    void mnuRuler_Click(bool depth);
    void mnuBH_Click(int16_t index);
    void mnuDivider_Click();
    void mnuHorizontal_Click();
    void mnuLink_Click();
    void mnuCopyDepth_Click();

    // Imports.
    // Shows the open dialog; nothing when the user cancelled.
    std::optional<std::string> AskFileName();
    // "Convert from data file".
    void Command2_Click();
    // "Age-depth model" and "Varve counts".
    void Command4_Click();
    void Command5_Click();

    // The vertical scale, one choice of both windows.
    void Option2_Click();
    bool followingScale_ = false;  // the other window hands its choice on

    // Holy trinity.
    void Combo1_Change();
    void Combo1_Click();
    void Text1_Change();
    void Slider1_Change();
    // Runs a holy-trinity step; a run-time error ends it with the guard open.
    template <class F> void Guarded(F step);
    void ChangeBoreHoleByName();
    void ShowSectionName();
    void SelectSectionByName(bool userPick);
    void PickSectionNumber(bool userPick);
    int16_t BoreHoleIndex(const std::string& name) const;

    // Type-in boxes and level synchronisation.
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Label1_Change(int index);
    // A composite depth that lies below every bore hole the user may reach.
    bool BelowEveryBottom(float compositeDepth);
    // Refuses a level below every bore hole (RefuseLevel), unless a
    // procedure writes the boxes itself.
    void RefuseBelowBottom(float compositeDepth, bool announce = true);
    // A level the windows cannot take: the message, when the box announces
    // it, then the level shown before comes back and the action is withdrawn.
    [[noreturn]] void RefuseLevel(bool announce = true);
    // The number a box holds as the single a level is kept in; one beyond a
    // single's range gives no level and is refused.
    float LevelOf(double number, bool announce = true);
    float LevelOf(const std::string& text, bool announce = true);

    // The level shown (shown_level.cpp): kept whenever the events settle,
    // put back in both windows when a level is refused.
    void EventsSettled() noexcept override;
    void KeepShownLevel();
    void PutBackShownLevel();
    [[noreturn]] void WithdrawLevel();
    CoreWindow* OtherIfLoaded();
    forms::PictureBox& ViewOf(int k);
    std::array<forms::TextField*, 7> LevelTexts();
    std::array<forms::Label*, 6> LevelReadouts();
    void ShowAgeUnitAndError(bool withNames);
    void ShowHolyTrinity(float level);
    void CentreColumns();
    void ShowInterpolation();

    // What a change of the age box carries: the user's age on its way to the
    // level (the box keeps the typed text), or the age of a level that came
    // from anywhere else, which the read-out writes (the box only shows it).
    enum class AgeBoxText { kIdle, kTyped, kShown };
    AgeBoxText ageBoxText_ = AgeBoxText::kIdle;

    std::function<void(const forms::Form&)> shutDown_;
};

}  // namespace quillory
