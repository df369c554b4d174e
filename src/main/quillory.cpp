#include "main/quillory.h"

namespace quillory {

Quillory::Quillory(forms::Application& application)
    : app(application),
      frmMain(app, "frmMain", [this] { return std::make_unique<FrmMain>(*this); }),
      frm2Main(app, "frm2Main", [this] { return std::make_unique<Frm2Main>(*this); }),
      frmPhoto(app, "frmPhoto", [this] { return std::make_unique<FrmPhoto>(*this, "frmPhoto", shared.gPhoto1Open); }),
      frm2Photo(app, "frm2Photo", [this] { return std::make_unique<FrmPhoto>(*this, "frm2Photo", shared.gPhoto2Open); }),
      frm3Photo(app, "frm3Photo", [this] { return std::make_unique<FrmPhoto>(*this, "frm3Photo", shared.gPhoto3Open); }),
      frm4Photo(app, "frm4Photo", [this] { return std::make_unique<FrmPhoto>(*this, "frm4Photo", shared.gPhoto4Open); }),
      frmConversion(app, "frmConversion", [this] { return std::make_unique<PlaceholderWindow>(app, "frmConversion", "Conversion & Save"); }),
      frm2Conversion(app, "frm2Conversion", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Conversion", "Conversion & Save"); }),
      frmDivider(app, "frmDivider", [this] { return std::make_unique<FrmDivider>(*this); }),
      frm2Divider(app, "frm2Divider", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Divider", "Level Divider"); }),
      frmExport(app, "frmExport", [this] { return std::make_unique<PlaceholderWindow>(app, "frmExport", "Export"); }),
      frm2Export(app, "frm2Export", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Export", "Export"); }),
      frmVersion(app, "frmVersion", [this] { return std::make_unique<FrmVersion>(*this); }),
      frm2Version(app, "frm2Version", [this] { return std::make_unique<PlaceholderWindow>(app, "frm2Version", "Version information"); }),
      frmRX93(app, "frmRX93", [this] { return std::make_unique<FrmRX93>(app); }),
      frmPass(app, "frmPass", [this] { return std::make_unique<PlaceholderWindow>(app, "frmPass", "Password"); }),
      frmTest(app, "frmTest", [this] { return std::make_unique<FrmTest>(app); }),
      frmSelect(app, "frmSelect", [this] { return std::make_unique<FrmSelect>(app, "frmSelect"); }),
      frm2Select(app, "frm2Select", [this] { return std::make_unique<FrmSelect>(app, "frm2Select"); }) {}

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
    UnloadAllForms(&closing);
    app.End();
}

}  // namespace quillory
