#pragma once
// Every shown picture box of a window on the Qt back end, and the window's
// own surface, shows what one thread draws of what it holds now.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/snapshot_renderer.h"
#include "qt/surface_widget.h"

namespace qttest {

inline void ExpectBoxesShowTheirDrawing(qtback::QtServices& services, forms::Form& form, const std::string& when) {
    qtback::FormWindow& window = services.WindowOf(form);
    auto expect = [&](const forms::Surface& surface, QWidget* widget, const std::string& name) {
        auto* shown = dynamic_cast<qtback::SurfaceWidget*>(widget);
        ASSERT_NE(shown, nullptr) << name;
        const QImage alone = qtback::RenderSnapshot(surface.TakeSnapshot(), shown->devicePixelRatioF());
        EXPECT_TRUE(shown->Image() == alone) << form.Name() << "." << name << " " << when;
    };
    expect(form.Draw(), window.Client(), "(form)");
    for (const auto& control : form.Controls())
        if (auto* box = dynamic_cast<forms::PictureBox*>(control.get()); box && box->EffectivelyVisible())
            expect(box->Draw(), window.WidgetOf(*box), box->QualifiedName());
}

}  // namespace qttest
