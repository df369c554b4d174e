#include "main/quillory.h"

#include "duo/launch_duo.h"

namespace quillory {

using forms::FormSlot;

Quillory::Quillory(forms::Application& application)
    : app(application),
      frmMain(app, "frmMain",
              [this] {
                  return std::make_unique<FrmMain>(
                      app, Environment(main, duoOfMain_, frmDivider, frmVersion, frmSelect),
                      MainTools{frmRX93, frmTest, [this] { LaunchDuo(frmMain(), frm2Main()); }});
              }),
      frm2Main(app, "frm2Main",
               [this] {
                   return std::make_unique<Frm2Main>(
                       app, Environment(duo, masterOfDuo_, frm2Divider, frm2Version, frm2Select), duoSide);
               }),
      frmPhoto(app, "frmPhoto", [this] { return std::make_unique<FrmPhoto>(app, "frmPhoto", shared.gPhoto1Open); }),
      frm2Photo(app, "frm2Photo", [this] { return std::make_unique<FrmPhoto>(app, "frm2Photo", shared.gPhoto2Open); }),
      frm3Photo(app, "frm3Photo", [this] { return std::make_unique<FrmPhoto>(app, "frm3Photo", shared.gPhoto3Open); }),
      frm4Photo(app, "frm4Photo", [this] { return std::make_unique<FrmPhoto>(app, "frm4Photo", shared.gPhoto4Open); }),
      frmConversion(app, "frmConversion", [this] { return std::make_unique<PlaceholderWindow>(app, "frmConversion", "Conversion & Save"); }),
      frm2Conversion(app, "frm2Conversion", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Conversion", "Conversion & Save"); }),
      frmDivider(app, "frmDivider", [this] { return std::make_unique<FrmDivider>(app, "frmDivider", SideRef(frmMain), main); }),
      frm2Divider(app, "frm2Divider", [this] { return std::make_unique<FrmDivider>(app, "frm2Divider", SideRef(frm2Main), duo); }),
      frmExport(app, "frmExport", [this] { return std::make_unique<PlaceholderWindow>(app, "frmExport", "Export"); }),
      frm2Export(app, "frm2Export", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Export", "Export"); }),
      frmVersion(app, "frmVersion", [this] { return std::make_unique<FrmVersion>(app, "frmVersion", main); }),
      frm2Version(app, "frm2Version", [this] { return std::make_unique<FrmVersion>(app, "frm2Version", duo); }),
      frmRX93(app, "frmRX93", [this] { return std::make_unique<FrmRX93>(app); }),
      frmPass(app, "frmPass", [this] { return std::make_unique<PlaceholderWindow>(app, "frmPass", "Password"); }),
      frmTest(app, "frmTest", [this] { return std::make_unique<FrmTest>(app); }),
      frmSelect(app, "frmSelect", [this] { return std::make_unique<FrmSelect>(app, "frmSelect", SideRef(frmMain)); }),
      frm2Select(app, "frm2Select", [this] { return std::make_unique<FrmSelect>(app, "frm2Select", SideRef(frm2Main)); }),
      duoOfMain_(
          frm2Main, duo, shared.gDuoModelLoaded, [this](float depth) { return duoSide.link.MainToDuoCD(depth); },
          [this] { return duoSide.DuoLink(); }, [this] { frm2Main().TransferAgeModel2(); }),
      masterOfDuo_(frmMain, main, shared.gDuoModelLoaded,
                   [this](float depth) { return duoSide.link.DuoToMainCD(depth); }, nullptr, nullptr) {
    // Both depth models round by the one precision setting.
    main.model.precision = &shared.precision;
    duo.model.precision = &shared.precision;
}

CoreEnvironment Quillory::Environment(SideState& side, Counterpart& counterpart, FormSlot<FrmDivider>& divider,
                                      FormSlot<FrmVersion>& version, FormSlot<FrmSelect>& select) {
    return CoreEnvironment{shared,
                           side,
                           SideTools{divider, version, select},
                           counterpart,
                           {&frmPhoto, &frm2Photo, &frm3Photo, &frm4Photo},
                           [this](const forms::Form& closing) { ShutDown(closing); }};
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
