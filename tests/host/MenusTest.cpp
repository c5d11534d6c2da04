// The host's menus: items and submenus plug-ins add. What choosing an item sends, and that a
// submenu's title is nothing to choose, are the scripts' logs.
#include "HostSuites.h"
#include "sdk/AIMenu.h"

namespace {

TEST(HostMenus, ASubmenuOfItsOwnWithItsItems)
{
    host::Host host({});
    host::PluginRecord& owner = host.plugins().addInProcess("Owner", host_test::Quiet);
    const auto* menu = host_test::Acquire<AIMenuSuite>(host, kAIMenuSuite, kAIMenuSuiteVersion);
    using host_test::got;
    const SPPluginRef self = host::PluginManager::refOf(owner);

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

} // namespace
