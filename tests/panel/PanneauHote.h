// The panel in the stand-in host: the plug-in linked in, started by a host with three fonts,
// its controller woken from the bundle's interface file.
#pragma once

#include "Host.h"
#include "Reglages.h"

#include "Application.h"
#include "Control.h"
#include "Slider.h"
#include "TextView.h"
#include "Driver.h"
#include "Image.h"

#include <gtest/gtest.h>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

class PanneauHote : public testing::Test {
protected:
    PanneauHote() : host_(host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans", "Test Serif", "Test Mono"}, {}})
    {
        host_.plugins().addInProcess("VaroTable", PluginMain, VARO_PLUGINS_DIR "/VaroTable.bundle/Resources");
        IndexPopup = 3; // the waking sets it
    }
    ~PanneauHote() override { host_.quit(); }

    void lance(const std::vector<std::pair<std::string, host::PreferenceValue>>& preferences = {})
    {
        for (const auto& [cle, valeur] : preferences)
            host_.preferences().put("VaroTableau", cle, valeur);
        host_.launch();
        ASSERT_EQ(host_.panels().all().size(), 1u);
    }
    ns::View& vue() { return *host_.panels().all().at(0)->view; }
    ns::Window& fenetre() { return *host_.panels().all().at(0)->window; }
    AISize taille() { return host_.panels().all().at(0)->size; }
    void choisitOutil(const char* titre) { host_.tools().select(*host_.tools().withTitle(titre)); }
    // A control of the panel by its identifier; null when there is none of that class.
    template <typename T = ns::Control>
    T* controle(std::string_view nom)
    {
        return dynamic_cast<T*>(vue().viewWithIdentifier(nom));
    }
    // The identifier of the panel's focused view ("" for none).
    std::string focus()
    {
        const auto* v = dynamic_cast<const ns::View*>(fenetre().firstResponder());
        while (v != nullptr && v->identifier().empty())
            v = v->superview();
        return v != nullptr ? v->identifier() : std::string();
    }
    // What a user does: the driver's operation on the panel, which must succeed.
    void clique(std::string_view nom, uint32_t touches = 0) { ASSERT_EQ(ns::driver::click(fenetre(), nom, touches), ""); }
    void choisit(std::string_view nom, int article) { ASSERT_EQ(ns::driver::choose(fenetre(), nom, article), ""); }
    // Types the text into the field and commits it with Return.
    void valide(std::string_view nom, const std::string& texte)
    {
        ASSERT_EQ(ns::driver::type(fenetre(), nom, texte), "");
        ASSERT_EQ(ns::driver::key(fenetre(), "Return"), "");
    }

    host::Host host_;
};

// A view alone as the screen shows it, one pixel a point, on transparent: its pixel (x, y)
// from the bottom left, 0xAARRGGBB.
inline uint32_t PixelDeLaVue(ns::View& vue, int x, int y)
{
    ns::Image image(vue.frame().size);
    image.lockFocus();
    vue.drawRect(vue.bounds());
    image.unlockFocus();
    return image.pixelAt(x, y);
}
