#include "main/quillory.h"

#include "duo/launch_duo.h"

namespace quillory {

using forms::FormSlot;

namespace {

// The import buttons a closing conversion or version window offers the focus.
forms::CommandButton& EventListButton(SideWindow& w) { return w.Command3; }
forms::CommandButton& AgeModelButton(SideWindow& w) { return w.Command4; }
forms::CommandButton& VarveCountButton(SideWindow& w) { return w.Command5; }

}  // namespace

Quillory::Quillory(forms::Application& application)
    : app(application),
      frmMain(app, "frmMain",
              [this] {
                  return std::make_unique<FrmMain>(
                      app, Environment(main, duoOfMain_, frmDivider, frmVersion, frmExport, frmSelect, frmConversion),
                      MainTools{frmRX93, frmTest, frmPass, [this] { LaunchDuo(frmMain(), frm2Main()); }});
              }),
      frm2Main(app, "frm2Main",
               [this] {
                   return std::make_unique<Frm2Main>(
                       app, Environment(duo, masterOfDuo_, frm2Divider, frm2Version, frm2Export, frm2Select, frm2Conversion),
                       duoSide);
               }),
      frmPhoto(app, "frmPhoto", [this] { return std::make_unique<PhotoWindow>(app, 1, shared.photo, PhotoLinks()); }),
      frm2Photo(app, "frm2Photo", [this] { return std::make_unique<PhotoWindow>(app, 2, shared.photo, PhotoLinks()); }),
      frm3Photo(app, "frm3Photo", [this] { return std::make_unique<PhotoWindow>(app, 3, shared.photo, PhotoLinks()); }),
      frm4Photo(app, "frm4Photo", [this] { return std::make_unique<PhotoWindow>(app, 4, shared.photo, PhotoLinks()); }),
      frmConversion(app, "frmConversion",
                    [this] {
                        return std::make_unique<FrmConversion>(
                            app, "frmConversion",
                            ConversionDesign{"Conversion & Save", "Holy trinity",
                                             {EventListButton, AgeModelButton, VarveCountButton}, nullptr},
                            SideRef(frmMain), main, shared);
                    }),
      frm2Conversion(app, "frm2Conversion",
                     [this] {
                         // The Duo's file adds the master core's composite depth.
                         auto master = [this] {
                             return model::MasterColumn{"Composite depth (" + frm2Main().Label1(0).Caption() + ")",
                                                        duoSide.link.DuoToMainCDForMany()};
                         };
                         return std::make_unique<FrmConversion>(
                             app, "frm2Conversion",
                             ConversionDesign{"Conversion (Duo)", "Holy trinity ", {EventListButton, VarveCountButton},
                                              master},
                             SideRef(frm2Main), duo, shared);
                     }),
      frmDivider(app, "frmDivider",
                 [this] {
                     return std::make_unique<FrmDivider>(app, "frmDivider",
                                                         DividerDesign{"Level Divider", "Position on the"},
                                                         SideRef(frmMain), main, shared);
                 }),
      frm2Divider(app, "frm2Divider",
                  [this] {
                      return std::make_unique<FrmDivider>(app, "frm2Divider",
                                                          DividerDesign{"Level Divider Duo", "Position on the ", true},
                                                          SideRef(frm2Main), duo, shared);
                  }),
      frmExport(app, "frmExport",
                [this] {
                    return std::make_unique<FrmExport>(
                        app, "frmExport",
                        ExportDesign{"Export",
                                     {{0, "Sample name"},
                                      {1, "Composite depth"},
                                      {2, "Event free depth"},
                                      {3, "Age"},
                                      {4, "Data"}},
                                     1575,
                                     2655},
                        HeldWindow{SideRef(frmMain), &frmSelect}, HeldWindow{SideRef(frm2Main), &frm2Select});
                }),
      frm2Export(app, "frm2Export",
                 [this] {
                     return std::make_unique<FrmExport>(
                         app, "frm2Export",
                         ExportDesign{"Export Duo",
                                      {{0, "Sample name"},
                                       {1, "Composite depth (own)"},
                                       {5, "Composite depth (master)"},
                                       {2, "Event free depth"},
                                       {3, "Age"},
                                       {4, "Data"}},
                                      2175,
                                      3015},
                         HeldWindow{SideRef(frmMain), &frmSelect}, HeldWindow{SideRef(frm2Main), &frm2Select});
                 }),
      frmVersion(app, "frmVersion",
                 [this] {
                     return std::make_unique<FrmVersion>(
                         app, "frmVersion",
                         VersionDesign{"Version information",
                                       {480, 740, 1000, 1260},
                                       {480, 735, 1005, 1260},
                                       AfterProductName,
                                       {EventListButton, AgeModelButton, VarveCountButton}},
                         SideRef(frmMain), main);
                 }),
      frm2Version(app, "frm2Version",
                  [this] {
                      return std::make_unique<FrmVersion>(
                          app, "frm2Version",
                          VersionDesign{"Version information (Duo)",
                                        {480, 720, 960, 1200},
                                        {480, 720, 960, 1200},
                                        LastFiveCharacters,
                                        {EventListButton, VarveCountButton}},
                          SideRef(frm2Main), duo);
                  }),
      frmRX93(app, "frmRX93", [this] { return std::make_unique<FrmRX93>(app, SideRef(frmMain)); }),
      frmPass(app, "frmPass", [this] { return std::make_unique<FrmPass>(app, frmTest, shared); }),
      frmTest(app, "frmTest", [this] { return std::make_unique<FrmTest>(app, main); }),
      frmSelect(app, "frmSelect", [this] { return std::make_unique<FrmSelect>(app, "frmSelect", SideRef(frmMain)); }),
      frm2Select(app, "frm2Select", [this] { return std::make_unique<FrmSelect>(app, "frm2Select", SideRef(frm2Main)); }),
      duoOfMain_(
          frm2Main, duo, [this](float depth) { return duoSide.link.MainToDuoCD(depth); },
          [this] { return duoSide.DuoLink(); }, [this] { frm2Main().TransferAgeModel2(); }),
      masterOfDuo_(frmMain, main, [this](float depth) { return duoSide.link.DuoToMainCD(depth); }, nullptr, nullptr) {
    // Both depth models round by the one precision setting.
    main.model.precision = &shared.precision;
    duo.model.precision = &shared.precision;
}

CoreEnvironment Quillory::Environment(SideState& side, Counterpart& counterpart, FormSlot<FrmDivider>& divider,
                                      FormSlot<FrmVersion>& version, FormSlot<FrmExport>& exporter,
                                      FormSlot<FrmSelect>& select, FormSlot<FrmConversion>& conversion) {
    return CoreEnvironment{shared,
                           side,
                           SideTools{divider, version, exporter, select, conversion},
                           counterpart,
                           {&frmPhoto, &frm2Photo, &frm3Photo, &frm4Photo},
                           [this](const forms::Form& closing) { ShutDown(closing); }};
}

PhotoWindowLinks Quillory::PhotoLinks() {
    auto bothMain = [this](auto act) {
        if (FrmMain* main = frmMain.IfLoaded()) act(static_cast<CoreWindow&>(*main));
        if (Frm2Main* duo = frm2Main.IfLoaded()) act(static_cast<CoreWindow&>(*duo));
    };
    return {[this] {
                if (Frm2Main* duo = frm2Main.IfLoaded(); duo && shared.gDuoModelLoaded) duo->EraseTargetLines();
                if (FrmMain* main = frmMain.IfLoaded()) main->EraseTargetLines();
            },
            [this] {
                if (FrmMain* main = frmMain.IfLoaded()) main->Refresh();
                if (Frm2Main* duo = frm2Main.IfLoaded(); duo && shared.gDuoModelLoaded) duo->Refresh();
            },
            [bothMain] { bothMain([](CoreWindow& w) { w.Command7.SetEnabled(true); }); },
            [bothMain] { bothMain([](CoreWindow& w) { w.mnuPhoto->SetEnabled(true); }); }};
}

void Quillory::UnloadAllForms(const forms::Form* closing) {
    forms::FormSlotBase* order[] = {&frm2Conversion, &frm2Divider, &frm2Export, &frm2Main, &frm2Photo,
                                    &frm2Select,     &frm2Version, &frm3Photo,  &frm4Photo, &frmConversion,
                                    &frmDivider,     &frmExport,   &frmMain,    &frmPass,   &frmPhoto,
                                    &frmSelect,      &frmRX93,     &frmTest,    &frmVersion};
    for (forms::FormSlotBase* slot : order) {
        forms::Form* f = slot->LoadedForm();
        if (f && f != closing) slot->Unload();
    }
}

void Quillory::ShutDown(const forms::Form& closing) {
    // The windows unloaded here include the other main window, whose own
    // close handler lands here again: it only lets its window go.
    if (shared.gShuttingDown) return;
    shared.gShuttingDown = true;
    // Nothing passes between the two windows while they go.
    shared.gDuoModelLoaded = false;
    UnloadAllForms(&closing);
    app.End();
}

}  // namespace quillory
