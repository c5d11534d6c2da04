// The host's menus: items and submenus plug-ins add, and the keys they give them. What choosing
// an item sends, and that a submenu's title is nothing to choose, are the scripts' logs.
#include "HostSuites.h"
#include "sdk/AIMenu.h"

#include <cctype>

namespace {

using host_test::got;

// A host with one plug-in of the test's own, and the menu suite as it acquires it.
class HostMenus : public testing::Test {
protected:
    host::Host host{{}};
    const SPPluginRef self = host::PluginManager::refOf(host.plugins().addInProcess("Owner", host_test::Quiet));
    const AIMenuSuite* menu = host_test::Acquire<AIMenuSuite>(host, kAIMenuSuite, kAIMenuSuiteVersion);
};

TEST_F(HostMenus, ASubmenuOfItsOwnWithItsItems)
{

    const auto groups = [&] { return got<ai_int32>([&](auto* n) { return menu->CountMenuGroups(n); }); };
    const ai_int32 before = groups();
    AIMenuItemHandle palettes = nullptr, hide = nullptr, stray = nullptr;
    const AIPlatformAddMenuItemData groupItem{kToolPalettesMenuGroup, "Varo-Tools"};
    ASSERT_EQ(menu->AddMenuItem(self, "Varo-Tools", &groupItem, kMenuItemNoOptions, &palettes), kNoErr);
    AIMenuGroup varo = nullptr, again = nullptr;
    ASSERT_EQ(menu->AddMenuGroupAsSubMenu("Varo-Tools", kMenuGroupSortedAlphabeticallyOption, palettes, &varo), kNoErr);
    EXPECT_EQ(menu->AddMenuGroupAsSubMenu("Varo-Tools", 0, palettes, &again), kBadParameterErr) << "a name taken";
    const AIPlatformAddMenuItemData hideItem{"Varo-Tools", "Hide Varo-Table"};
    ASSERT_EQ(menu->AddMenuItem(self, "Hide Varo-Table", &hideItem, kMenuItemWantsUpdateOption, &hide), kNoErr);
    const AIPlatformAddMenuItemData nowhere{"No Such Group", "x"};
    EXPECT_EQ(menu->AddMenuItem(self, "x", &nowhere, 0, &stray), kNameNotFoundErr);

    const ai_int32 after = groups();
    ASSERT_EQ(after, before + 1);
    AIMenuGroup last = got<AIMenuGroup>([&](auto* g) { return menu->GetNthMenuGroup(after - 1, g); });
    EXPECT_STREQ(got<const char*>([&](auto* n) { return menu->GetMenuGroupName(last, n); }), "Varo-Tools");
    EXPECT_EQ(menu->GetNthMenuGroup(after, &last), kBadParameterErr);

    ASSERT_EQ(menu->SetItemText(hide, "Show Varo-Table"), kNoErr);
    EXPECT_STREQ(got<const char*>([&](auto* t) { return menu->GetItemText(hide, t); }), "Show Varo-Table");
    EXPECT_EQ(menu->SetItemText(reinterpret_cast<AIMenuItemHandle>(uintptr_t{3}), "x"), kBadHandleErr);
}

TEST_F(HostMenus, AnItemTakesAKeyNeitherTheHostNorAnotherItemAnswers)
{
    AIMenuItemHandle paste = nullptr, other = nullptr;
    const AIPlatformAddMenuItemData pasteItem{kEditMenuGroup, "Paste Cells"}, otherItem{kEditMenuGroup, "Other"};
    ASSERT_EQ(menu->AddMenuItem(self, "Paste Cells", &pasteItem, 0, &paste), kNoErr);
    ASSERT_EQ(menu->AddMenuItem(self, "Other", &otherItem, 0, &other), kNoErr);
    const auto keyOf = [&](AIMenuItemHandle item) { return host.menus().item(item)->command.text(); };

    const struct {
        const char* what;
        AIMenuItemHandle item;
        char key;
        ai_int16 modifiers;
        ASErr expected;
        const char* pasteKey; // what the first item has after it
    } cases[] = {
        {"Ctrl+V", paste, 'V', 0, kNoErr, "Ctrl+V"},
        {"the same again", paste, 'V', 0, kNoErr, "Ctrl+V"},
        {"taken by the first item", other, 'V', 0, kBadParameterErr, "Ctrl+V"},
        {"taken, in small letters", other, 'v', 0, kBadParameterErr, "Ctrl+V"},
        {"with Shift, free", other, 'v', kMenuItemCmdShiftModifier, kNoErr, "Ctrl+V"},
        {"another key for the first", paste, 'b', 0, kNoErr, "Ctrl+B"},
        {"the first's former key, free now", other, 'V', 0, kNoErr, "Ctrl+B"},
        {"a digit", paste, '1', kMenuItemCmdShiftModifier, kNoErr, "Ctrl+Shift+1"},
        {"a space", paste, ' ', 0, kBadParameterErr, "Ctrl+Shift+1"},
        {"a control character", paste, '\t', 0, kBadParameterErr, "Ctrl+Shift+1"},
        {"DEL", paste, '\x7f', 0, kBadParameterErr, "Ctrl+Shift+1"},
        {"a byte past ASCII", paste, '\xe9', 0, kBadParameterErr, "Ctrl+Shift+1"},
        {"another modifier", paste, 'K', 2, kBadParameterErr, "Ctrl+Shift+1"},
        {"no item", nullptr, 'K', 0, kBadHandleErr, "Ctrl+Shift+1"},
        {"a made-up item", reinterpret_cast<AIMenuItemHandle>(uintptr_t{3}), 'K', 0, kBadHandleErr, "Ctrl+Shift+1"},
        {"key 0 takes it away", paste, 0, 0, kNoErr, ""},
        {"key 0 again", paste, 0, kMenuItemCmdShiftModifier, kNoErr, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(menu->SetItemCmd(c.item, c.key, c.modifiers), c.expected) << c.what;
        EXPECT_EQ(keyOf(paste), c.pasteKey) << c.what;
    }
    EXPECT_EQ(keyOf(other), "Ctrl+V");
    EXPECT_EQ(host.menus().itemForKey('v', false), host.menus().item(other));
    EXPECT_EQ(host.menus().itemForKey('v', true), nullptr) << "Ctrl+Shift+V went with the other item's former key";
    EXPECT_EQ(host.menus().itemForKey(0, false), nullptr) << "an item without a key is not chosen by none";

    // Every key the host answers itself, with Shift or not, in either case.
    for (char key : host::Menus::kHostKeys)
        for (char asked : {key, static_cast<char>(std::tolower(static_cast<unsigned char>(key)))})
            for (ai_int16 modifiers : {ai_int16{0}, ai_int16{kMenuItemCmdShiftModifier}})
                EXPECT_EQ(menu->SetItemCmd(paste, asked, modifiers), kBadParameterErr) << asked << " " << modifiers;
    EXPECT_EQ(keyOf(paste), "");

    host.faults().failOperation(kAIMenuSuite, "SetItemCmd", host_test::kNope);
    EXPECT_EQ(menu->SetItemCmd(paste, 'K', 0), host_test::kNope);
    EXPECT_EQ(keyOf(paste), "");
}

} // namespace
