// Element lists of menus and buttons: inserting, removing and moving elements, and keeping the
// menu's production items in step with the elements at every depth.
#include "ObjectModelTest.h"

using ElementListTest = ObjectModelTest;

TEST_F(ElementListTest, EveryElementAtAnyDepthHasAnItemNamedByItsEffectID)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    auto inner = AddButton(button);
    auto overlay = AddOverlay(inner);
    EXPECT_EQ(3, ItemCount(menu));
    for (IDSMenuElement* element :
         {static_cast<IDSMenuElement*>(button.p), static_cast<IDSMenuElement*>(inner.p),
          static_cast<IDSMenuElement*>(overlay.p)}) {
        LONG item = 0;
        element->get_EffectID(&item);
        EXPECT_EQ(IdOf(element), ProductionOf(menu)->items.at(item));
    }
}

TEST_F(ElementListTest, RemoveElementDetachesTheSubtreeAndDropsItsItemsAndIDs)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    LONG innerId = IdOf(AddText(button));
    CComQIPtr<IDSMenuElementList> list(menu);
    CComPtr<IDSMenuElement> removed;
    ASSERT_EQ(S_OK, list->RemoveElement(IdOf(button), &removed));
    EXPECT_TRUE(removed.IsEqualObject(button));
    EXPECT_EQ(0, ItemCount(menu));
    CComPtr<IUnknown> found;
    EXPECT_EQ(E_INVALIDARG, project->FindByID(innerId, &found));
    CComPtr<IDSMenuElementList> parent;
    EXPECT_EQ(S_FALSE, button->GetParentList(&parent));
    LONG item = -1;
    button->get_EffectID(&item);
    EXPECT_EQ(0, item);
    EXPECT_EQ(E_INVALIDARG, list->RemoveElement(IdOf(button), nullptr));
}

TEST_F(ElementListTest, AnElementMovedWithinItsProjectKeepsItsID)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto button = AddButton(menu);
    auto text = AddText(button);
    LONG id = IdOf(text);
    CComQIPtr<IDSMenuElementList> from(button);
    CComPtr<IDSMenuElement> moving;
    ASSERT_EQ(S_OK, from->RemoveElement(id, &moving));
    CComQIPtr<IDSMenuElementList> to(menu);
    ASSERT_EQ(S_OK, to->InsertElement(-1, moving));
    EXPECT_EQ(id, IdOf(moving));
    CComPtr<IDSMenu> owner;
    ASSERT_EQ(S_OK, moving->GetMenu(&owner));
    EXPECT_TRUE(owner.IsEqualObject(menu));
}

TEST_F(ElementListTest, AnElementFromAnotherProjectGetsAFreshIDWhenItsOwnIsTaken)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto own = AddButton(menu);
    auto other = NewProject();
    auto otherMenu = AddMenu(other);
    CComPtr<IDSMenuElement> stranger(AddButton(otherMenu).p);
    ASSERT_EQ(IdOf(own), IdOf(stranger)) << "both projects gave the same first IDs";
    CComQIPtr<IDSMenuElementList> from(otherMenu);
    from->RemoveElement(IdOf(stranger), nullptr);
    CComQIPtr<IDSMenuElementList> to(menu);
    ASSERT_EQ(S_OK, to->InsertElement(-1, stranger));
    EXPECT_NE(IdOf(own), IdOf(stranger));
    CComPtr<IUnknown> found;
    ASSERT_EQ(S_OK, project->FindByID(IdOf(own), &found));
    EXPECT_TRUE(found.IsEqualObject(own));
    ASSERT_EQ(S_OK, project->FindByID(IdOf(stranger), &found));
    EXPECT_TRUE(found.IsEqualObject(stranger));
}

TEST_F(ElementListTest, InsertRefusesAnElementThatIsInAListOrWouldHoldItself)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto outer = AddButton(menu);
    auto inner = AddButton(outer);
    CComQIPtr<IDSMenuElementList> menuList(menu);
    EXPECT_EQ(E_INVALIDARG, menuList->InsertElement(-1, inner));
    menuList->RemoveElement(IdOf(outer), nullptr);
    CComQIPtr<IDSMenuElementList> innerList(inner);
    EXPECT_EQ(E_INVALIDARG, innerList->InsertElement(-1, outer));
    CComQIPtr<IDSMenuElementList> outerList(outer);
    EXPECT_EQ(E_INVALIDARG, outerList->InsertElement(-1, outer));
    EXPECT_EQ(E_INVALIDARG, menuList->InsertElement(0, outer));
    EXPECT_EQ(E_POINTER, menuList->InsertElement(-1, nullptr));
}

TEST_F(ElementListTest, InsertElementPutsTheElementBeforeAOneBasedIndex)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto first = AddText(menu);
    auto second = AddText(menu);
    CComPtr<IDSMenuElement> copy;
    ASSERT_EQ(S_OK, first->Copy(&copy));
    CComQIPtr<IDSMenuElementList> list(menu);
    ASSERT_EQ(S_OK, list->InsertElement(2, copy));
    EXPECT_TRUE(Item(menu, 2).IsEqualObject(copy));
    EXPECT_TRUE(Item(menu, 3).IsEqualObject(second));
}

TEST_F(ElementListTest, AddElementRefusesAnUnknownKind)
{
    auto menu = AddMenu(NewProject());
    CComQIPtr<IDSMenuElementList> list(menu);
    CComPtr<IDSMenuElement> element;
    EXPECT_EQ(E_INVALIDARG, list->AddElement(&IID_IDSMenu, reinterpret_cast<void**>(&element)));
    EXPECT_EQ(0, Count(menu));
}

TEST_F(ElementListTest, AFailedItemLeavesTheListAndTheProjectAsTheyWere)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    CComPtr<IDSMenuButton> detached;
    ASSERT_EQ(S_OK, detached.CoCreateInstance(CLSID_CDSMenuButton));
    AddText(detached);
    AddOverlay(detached);
    FakeProduction::Shared().itemsBeforeFailure = 2;
    CComQIPtr<IDSMenuElementList> list(menu);
    EXPECT_EQ(E_OUTOFMEMORY, list->InsertElement(-1, detached));
    EXPECT_EQ(0, Count(menu));
    EXPECT_EQ(0, ItemCount(menu));
    EXPECT_EQ(0, IdOf(detached));
    EXPECT_EQ(0, IdOf(Item(detached, 1)));
    FakeProduction::Shared().itemsBeforeFailure = -1;
    ASSERT_EQ(S_OK, list->InsertElement(-1, detached));
    EXPECT_EQ(3, ItemCount(menu));
}

TEST_F(ElementListTest, ChildPositionsAreRelativeToTheirButton)
{
    auto menu = AddMenu(NewProject());
    auto button = AddButton(menu);
    button->SetPosition(0.5f, 0.25f);
    button->SetSize(0.0f, 0.0f);
    auto thumbnail = AddOverlay(button);
    thumbnail->SetPosition(0.1f, 0.0f);
    thumbnail->SetSize(0.2f, 0.4f);
    FloatRect extent = {};
    ASSERT_EQ(S_OK, thumbnail->GetExtent(&extent));
    EXPECT_FLOAT_EQ(0.5f, extent.left);
    EXPECT_FLOAT_EQ(0.45f, extent.top);
    EXPECT_FLOAT_EQ(0.7f, extent.right);
    EXPECT_FLOAT_EQ(0.05f, extent.bottom);
    FloatRect buttonExtent = {};
    ASSERT_EQ(S_OK, button->GetExtent(&buttonExtent));
    EXPECT_FLOAT_EQ(extent.left, buttonExtent.left);
    EXPECT_FLOAT_EQ(extent.top, buttonExtent.top);
}

TEST_F(ElementListTest, DestroyingAMenuDetachesItFromItsProduction)
{
    auto project = NewProject();
    CComPtr<IUnknown> production;
    {
        CComPtr<IDSMenu> menu;
        ASSERT_EQ(S_OK, project->AddMenu(-1, &menu));
        menu->GetProduction(&production);
        EXPECT_TRUE(CComPtr<IUnknown>(FakeOf(production)->menu).IsEqualObject(menu));
        project->RemoveMenu(IdOf(menu), nullptr);
    }
    EXPECT_EQ(nullptr, FakeOf(production)->menu);
}
