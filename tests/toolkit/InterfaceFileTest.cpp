// Interface files: a controller loads one from its bundle, and every kind of error in one.
#include "ClassRegistry.h"
#include "Driver.h"
#include "RectFill.h"
#include "Slider.h"
#include "TextField.h"
#include "TestFolder.h"
#include "TextView.h"
#include "ViewController.h"

namespace {

namespace fs = std::filesystem;

// A custom view of ours: a red square, pixel-exact.
class Cellule : public ns::SliderCell {};

class Pastille : public ns::View {
public:
    using View::View;
    int awoken = 0;
    void awakeFromNib() override { ++awoken; }
    void drawRect(const ns::Rect&) override
    {
        ns::GraphicsContext::currentContext()->setShouldAntialias(false);
        ns::Color(1, 0, 0).set();
        ns::RectFill(ns::MakeRect(0, 0, 20, 10));
    }
};

// A delegate object of ours, made by the file.
class Touches : public ns::Object, public ns::TextFieldDelegate {
public:
    int commands = 0;
    bool controlTextViewDoCommandBySelector(ns::Control&, ns::TextView&, std::string_view) override
    {
        ++commands;
        return false;
    }
};

class Dialogue : public ns::ViewController {
public:
    using ViewController::ViewController;
    ns::TextField* zone = nullptr;
    Pastille* pastille = nullptr;
    ns::Window* fenetre = nullptr;
    std::vector<std::string> committed;
    int awoken = 0;

    void awakeFromNib() override
    {
        ++awoken;
        EXPECT_NE(view(), nullptr) << "the view is the controller's when it wakes";
        EXPECT_NE(zone, nullptr) << "outlets are connected when it wakes";
    }
    void zoneCBP(ns::Object*) { committed.push_back(zone->stringValue()); }

    bool respondsToAction(std::string_view s) const override { return actions().contains(s); }
    bool performAction(std::string_view s, ns::Object* sender) override { return actions().perform(*this, s, sender); }
    ns::Connection canConnectOutlet(std::string_view name, ns::Object& object) const override
    {
        return outlets().check(name, object);
    }
    void connectOutlet(std::string_view name, ns::Object& object) override { outlets().connect(*this, name, object); }

private:
    static const ns::ActionTable<Dialogue>& actions()
    {
        static const ns::ActionTable<Dialogue> table{{"zoneCBP:", &Dialogue::zoneCBP}};
        return table;
    }
    static const ns::OutletTable<Dialogue>& outlets()
    {
        using T = ns::OutletTable<Dialogue>;
        static const T table{T::outlet("zone", &Dialogue::zone), T::outlet("pastille", &Dialogue::pastille),
                             T::outlet("fenetre", &Dialogue::fenetre)};
        return table;
    }
};

const char* const kDialogue = R"({
  "objects": [{"class": "Touches", "ref": "touches"}],
  "view": {"class": "View", "frame": [0, 0, 100, 60], "subviews": [
    {"class": "Pastille", "id": "pastille", "frame": [10, 40, 20, 10]},
    {"class": "TextField", "id": "zone", "frame": [10, 10, 60, 22], "text": "12", "tooltip": "X position of the table.",
     "action": "zoneCBP:", "delegate": "touches"},
    {"class": "TextField", "frame": [70, 10, 30, 22], "text": "mm", "editable": false, "bezeled": false}]},
  "windows": [{"id": "fenetre", "title": "About", "frame": [0, 0, 50, 50],
               "contentView": {"class": "View", "subviews": [{"class": "Button", "title": "OK", "frame": [5, 5, 40, 20]}]}}]
})";

class InterfaceFiles : public testing::Test {
protected:
    InterfaceFiles()
    {
        fs::create_directories(folder_ / "Resources");
        ns::registerClass<Pastille>("Pastille", &bundle_);
        ns::registerClass<Touches>("Touches", &bundle_);
        ns::registerClass<Cellule>("Cellule", &bundle_);
    }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(folder_ / "Resources" / (name + ".json")) << content;
    }

    testing_files::TestFolder folder_;
    ns::Bundle& bundle_ = ns::Bundle::registerBundle("com.example.test", folder_.path());
};

TEST_F(InterfaceFiles, ASliderTakesItsCellByNameAndABundlesClassesGoWithIt)
{
    write("Glissiere", R"({"view": {"class": "View", "subviews": [{"class": "TextField", "id": "zone"},
        {"class": "Slider", "frame": [0, 0, 100, 20], "cell": "Cellule", "max": 255}]}})");
    {
        Dialogue dialogue("Glissiere", &bundle_);
        ASSERT_NE(dialogue.view(), nullptr) << dialogue.loadError();
        auto* slider = dynamic_cast<ns::Slider*>(dialogue.view()->subviews().at(1).get());
        ASSERT_NE(slider, nullptr) << dialogue.loadError();
        EXPECT_NE(dynamic_cast<Cellule*>(&slider->cell()), nullptr);
        EXPECT_EQ(slider->cell().controlView(), slider);
        EXPECT_EQ(slider->maxValue(), 255);
    }
    ns::registerClass<Pastille>("Pastille", nullptr); // the toolkit's, not the bundle's
    ns::ClassRegistry::forgetBundle(&bundle_);
    EXPECT_FALSE(ns::ClassRegistry::isRegistered("Cellule"));
    EXPECT_FALSE(ns::ClassRegistry::isRegistered("Touches"));
    EXPECT_TRUE(ns::ClassRegistry::isRegistered("Pastille"));
    EXPECT_TRUE(ns::ClassRegistry::isRegistered("Slider")) << "the toolkit's own classes stay";
    Dialogue again("Glissiere", &bundle_);
    EXPECT_EQ(again.view(), nullptr);
    EXPECT_NE(again.loadError().find("unknown cell class \"Cellule\""), std::string::npos) << again.loadError();
}

TEST_F(InterfaceFiles, AFieldOfALoadedPanelIsTypedIntoCommittedAndDrawn)
{
    write("Dialogue", kDialogue);
    Dialogue dialogue("Dialogue", ns::Bundle::bundleWithIdentifier("com.example.test"));
    ASSERT_NE(dialogue.view(), nullptr) << dialogue.loadError();
    EXPECT_EQ(dialogue.awoken, 1);
    EXPECT_EQ(dialogue.pastille->awoken, 1);
    ASSERT_NE(dialogue.fenetre, nullptr);
    EXPECT_EQ(dialogue.fenetre->title(), "About");
    EXPECT_EQ(dialogue.zone->toolTip(), "X position of the table.");
    EXPECT_EQ(ns::Bundle::bundleForClass("Pastille"), &bundle_);

    ns::Window window(ns::MakeRect(0, 0, 100, 60));
    window.setContentView(dialogue.takeView());
    window.makeKeyAndOrderFront(nullptr);
    EXPECT_EQ(ns::driver::type(window, "zone", "42,5"), "");
    EXPECT_TRUE(dialogue.committed.empty());
    EXPECT_EQ(ns::driver::key(window, "Return"), "");
    EXPECT_EQ(dialogue.committed, std::vector<std::string>{"42,5"});
    EXPECT_EQ(static_cast<Touches*>(dialogue.objects().at(0).get())->commands, 1) << "the delegate heard the Return";

    const fs::path picture = folder_ / "panel.png";
    ASSERT_EQ(ns::driver::renderWindow(window, picture), "");
    const auto image = ns::Image::imageWithContentsOfFile(picture);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), (ns::Size{100, 60}));
    for (int y = 40; y < 50; ++y)
        for (int x = 10; x < 30; ++x)
            ASSERT_EQ(image->pixelAt(x, y), 0xFFFF0000u) << x << "," << y;
    EXPECT_NE(image->pixelAt(9, 45), 0xFFFF0000u);
    EXPECT_NE(image->pixelAt(10, 50), 0xFFFF0000u);
    const uint32_t background = image->pixelAt(50, 55);
    EXPECT_NEAR(static_cast<double>(background & 0xFF), 0.93 * 255, 1) << "the window's background";
    EXPECT_EQ(background >> 24, 0xFFu);
}

TEST_F(InterfaceFiles, EveryErrorNamesTheFileAndTheObjectAndConnectsNothing)
{
    const struct {
        const char* content;
        const char* error;
    } cases[] = {
        {"{", "not JSON"},
        {R"([])", "the file must hold one JSON object"},
        {R"({"view": {"class": "NSView"}})", "object #1 (NSView): unknown class \"NSView\""},
        {R"({"view": {"frame": [0, 0, 1, 1]}})", "object #1 (object) has no \"class\""},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "id": "ok", "titel": "OK"}]}})",
         "object \"ok\": unknown key \"titel\""},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "id": "nowhere"}]}})",
         "object \"nowhere\": the owner has no outlet \"nowhere\""},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "id": "zone"}]}})",
         "object \"zone\": the outlet \"zone\" takes another class"},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "ref": "b", "action": "nothing:"}]}})",
         "object \"b\": its target has no action \"nothing:\""},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "ref": "b", "action": "zoneCBP:", "target": "x"}]}})",
         "object \"b\": no object \"x\" for its target"},
        {R"({"view": {"class": "View", "subviews": [{"class": "Button", "ref": "b", "delegate": "owner"}]}})",
         "object \"b\": \"delegate\" does not apply to its class"},
        {R"({"view": {"class": "View", "frame": [0, 0, 10]}})", "object #1 (View): \"frame\" must be [x, y, width, height]"},
        {R"({"view": {"class": "View", "subviews": [{"class": "View", "ref": "a"}, {"class": "View", "ref": "a"}]}})",
         "object \"a\": the name \"a\" is used twice"},
        {R"({"view": {"class": "Touches"}})", "object #1 (Touches) is not a view"},
        {R"({"view": {"class": "Slider", "ref": "s", "items": ["a"]}})", "object \"s\": \"items\" does not apply to its class"},
        {R"({"view": {"class": "Slider", "ref": "s", "min": "low"}})", "object \"s\": \"min\" must be a number"},
        {R"({"panel": {}})", "unknown key \"panel\" at the top"},
        {R"({"view": {"class": "Slider", "ref": "s", "cell": "NoCell"}})", "object \"s\": unknown cell class \"NoCell\""},
        {R"({"view": {"class": "Slider", "ref": "s", "cell": "Touches"}})", "object \"s\": \"Touches\" is not a slider cell"},
        {R"({"view": {"class": "Button", "ref": "b", "cell": "Cellule"}})", "object \"b\": \"cell\" does not apply to its class"},
        {R"({"view": {"class": "View", "subviews": [{"class": "TextField", "id": "zone", "action": "zoneCBP:", "target": "owner"}, {"class": "Oops"}]}})",
         "object #3 (Oops): unknown class \"Oops\""},
        // Numbers beyond what they are stored in, never cast.
        {R"({"view": {"class": "Button", "ref": "b", "state": 1e308}})",
         "object \"b\": \"state\" must be a whole number from -2147483648 to 2147483647"},
        {R"({"view": {"class": "Button", "ref": "b", "tag": 4294967296}})", "object \"b\": \"tag\" must be a whole number"},
        {R"({"view": {"class": "Button", "ref": "b", "tag": 1.5}})", "object \"b\": \"tag\" must be a whole number"},
        {R"({"view": {"class": "View", "ref": "v", "frame": [0, 0, 1e7, 1]}})",
         "object \"v\": a frame's numbers must lie within -1000000 to 1000000"},
        {R"({"view": {"class": "TextView", "ref": "t", "fontSize": 0}})",
         "object \"t\": \"fontSize\" must be more than 0 and at most 1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        write("Broken", c.content);
        Dialogue dialogue("Broken", &bundle_);
        EXPECT_EQ(dialogue.view(), nullptr);
        const std::string file = (folder_ / "Resources" / "Broken.json").string();
        EXPECT_EQ(dialogue.loadError().rfind(file + ": ", 0), 0u) << dialogue.loadError();
        EXPECT_NE(dialogue.loadError().find(c.error), std::string::npos) << dialogue.loadError();
        EXPECT_EQ(dialogue.zone, nullptr) << "nothing connected";
        EXPECT_EQ(dialogue.awoken, 0) << "nothing woken";
    }
    Dialogue missing("Absent", &bundle_);
    EXPECT_EQ(missing.view(), nullptr);
    EXPECT_NE(missing.loadError().find("Absent.json: no such interface file"), std::string::npos);
}

} // namespace
