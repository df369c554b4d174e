#pragma once
// The main window with the small model of main_window_fixture.h (bore hole A
// from composite depth 0 to 300 in section 01, so that a PSP there is its
// composite depth) and proxy files written for the panels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/surface.h"
#include "main/main_window_fixture.h"
#include "proxy/frm_select.h"

namespace proxy_test {

// Samples of bore hole A, section 1, at the given PSPs (= composite depths),
// with the columns Ti and Fe.
inline std::string TrinityFile(const std::vector<std::string>& psp, const std::vector<std::string>& ti,
                               const std::vector<std::string>& fe) {
    std::string text = "Bore hole,Section,PSP,Ti,Fe\n";
    for (size_t i = 0; i < psp.size(); ++i) text += "A,1," + psp[i] + "," + ti[i] + "," + fe[i] + "\n";
    return text;
}

// n samples 30 cm apart from 15 cm down, Ti rising 1, 2, 3..., Fe twice Ti.
inline std::string EvenTrinityFile(int n) {
    std::vector<std::string> psp, ti, fe;
    for (int i = 0; i < n; ++i) {
        psp.push_back(std::to_string(15 + 30 * i));
        ti.push_back(std::to_string(i + 1));
        fe.push_back(std::to_string(2 * (i + 1)));
    }
    return TrinityFile(psp, ti, fe);
}

// One vertical value per sample: "Age", then a text per sample when named.
inline std::string ValueFile(const std::vector<std::string>& values, bool withText = false) {
    std::string text = withText ? "Sample,Age,Ti\n" : "Age,Ti,Fe\n";
    for (size_t i = 0; i < values.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        text += (withText ? "S" + n + "," : "") + values[i] + "," + n + (withText ? "" : "," + n + "0") + "\n";
    }
    return text;
}

class ProxyWindowTest : public main_test::MainWindowTest {
protected:
    void LoadModel() {
        Import(Main().Command1, "model_20240209.csv", main_test::CorrelationModel());
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].request.text;
    }
    void LoadProxy(int k, const std::string& text, const std::string& name = "proxy.csv") {
        Import(Main().Command6(k), name, text);
    }
    quillory::FrmSelect& Select() { return q.frmSelect(); }
    const model::ProxyPanelData& Panel(int k) { return Main().state.proxy[static_cast<size_t>(k)]; }
    forms::Surface& Drawing(int k) { return Main().Picture1(k).Draw(); }
    const std::vector<forms::Primitive>& Kept(int k) {
        static const std::vector<forms::Primitive> none;
        const forms::DrawingLayer* kept = Drawing(k).KeptLayer();
        return kept ? kept->primitives : none;
    }
    std::vector<forms::Primitive> KeptOf(int k, forms::PrimitiveKind kind, forms::Colour colour) {
        std::vector<forms::Primitive> out;
        for (const forms::Primitive& p : Kept(k))
            if (p.kind == kind && p.colour == colour) out.push_back(p);
        return out;
    }
    void Choose(forms::Menu* item) {
        ASSERT_TRUE(item->UserChoose()) << item->Name();
    }
};

inline constexpr forms::Colour kBlue = forms::RGB(0, 0, 255);
inline constexpr forms::Colour kRed = forms::RGB(255, 0, 0);
inline constexpr forms::Colour kGreen = forms::RGB(0, 170, 0);
inline constexpr forms::Colour kGrey = forms::RGB(170, 170, 170);

}  // namespace proxy_test
