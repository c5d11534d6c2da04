// The Dictionary suite as a plug-in uses it on its table's group: entries of the four kinds,
// counted references that stop working when the art goes, the bounds of keys and values, and
// the history putting dictionaries back with their art.
#include "DocumentSuites.h"
#include "sdk/AIDictionary.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

using testing_document::got;

class DictionarySuite : public testing_document::DocumentSuites {
protected:
    AIDictionaryRef dictionaryOf(AIArtHandle handle)
    {
        return got<AIDictionaryRef>([&](auto* d) { return dictionary->GetArtDictionary(handle, d); });
    }
    const host::doc::Dictionary& held(AIArtHandle handle) { return host.document().art(handle)->dictionary; }
    ai_int32 count(AIDictionaryRef d)
    {
        return got<ai_int32>([&](auto* n) { return dictionary->CountEntries(d, n); });
    }
    ai_int32 integer(AIDictionaryRef d, const char* key)
    {
        return got<ai_int32>([&](auto* v) { return dictionary->GetIntegerEntry(d, key, v); });
    }

    const AIDictionarySuite* dictionary = acquire<AIDictionarySuite>(kAIDictionarySuite, kAIDictionarySuiteVersion);
    AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
};

TEST_F(DictionarySuite, EntriesOfEachKindAreKeptReplacedAndDeleted)
{
    host.history().close("Group");
    EXPECT_FALSE(dictionary->HasArtDictionary(group));
    const AIDictionaryRef d = dictionaryOf(group);
    EXPECT_EQ(count(d), 0);
    EXPECT_FALSE(host.document().changing()) << "a dictionary asked for is no change";

    ASSERT_EQ(dictionary->SetIntegerEntry(d, "NombreLignes", -2147483647 - 1), kNoErr);
    ASSERT_EQ(dictionary->SetBooleanEntry(d, "Cadre", 7), kNoErr);
    ASSERT_EQ(dictionary->SetRealEntry(d, "Epaisseur", -0.0), kNoErr);
    ASSERT_EQ(dictionary->SetStringEntry(d, "Titre", "Ann\u00e9e \U0001F600"), kNoErr);
    EXPECT_TRUE(dictionary->HasArtDictionary(group));
    EXPECT_EQ(count(d), 4);

    EXPECT_EQ(integer(d, "NombreLignes"), -2147483647 - 1);
    EXPECT_EQ(got<ASBoolean>([&](auto* v) { return dictionary->GetBooleanEntry(d, "Cadre", v); }), 1) << "any nonzero is true";
    const AIDouble real = got<AIDouble>([&](auto* v) { return dictionary->GetRealEntry(d, "Epaisseur", v); }, 5.0);
    EXPECT_TRUE(real == 0 && std::signbit(real)) << "-0 stays -0";
    EXPECT_STREQ(got<const char*>([&](auto* v) { return dictionary->GetStringEntry(d, "Titre", v); }), "Ann\u00e9e \U0001F600");

    // Each kind read as it is, no other; a key not held is no entry. The value stays untouched.
    const struct {
        const char* key;
        AIEntryType type;
    } kinds[] = {{"NombreLignes", kIntegerEntryType}, {"Cadre", kBooleanEntryType}, {"Epaisseur", kRealEntryType},
                 {"Titre", kStringEntryType},         {"Absent", kNoEntryType}};
    for (const auto& k : kinds) {
        EXPECT_EQ(got<AIEntryType>([&](auto* t) { return dictionary->GetEntryType(d, k.key, t); }), k.type) << k.key;
        ai_int32 i = 42;
        ASBoolean b = 42;
        AIDouble r = 42;
        const char* s = "untouched";
        const ASErr missing = k.type == kNoEntryType ? kNoSuchKeyErr : kBadParameterErr;
        EXPECT_EQ(dictionary->GetIntegerEntry(d, k.key, &i), k.type == kIntegerEntryType ? kNoErr : missing) << k.key;
        EXPECT_EQ(dictionary->GetBooleanEntry(d, k.key, &b), k.type == kBooleanEntryType ? kNoErr : missing) << k.key;
        EXPECT_EQ(dictionary->GetRealEntry(d, k.key, &r), k.type == kRealEntryType ? kNoErr : missing) << k.key;
        EXPECT_EQ(dictionary->GetStringEntry(d, k.key, &s), k.type == kStringEntryType ? kNoErr : missing) << k.key;
        EXPECT_TRUE(k.type == kIntegerEntryType || i == 42) << k.key;
        EXPECT_TRUE(k.type == kBooleanEntryType || b == 42) << k.key;
        EXPECT_TRUE(k.type == kRealEntryType || r == 42) << k.key;
        EXPECT_TRUE(k.type == kStringEntryType || std::string(s) == "untouched") << k.key;
    }

    // A Set replaces the entry whatever it held; a deleted one is gone.
    ASSERT_EQ(dictionary->SetStringEntry(d, "NombreLignes", "3"), kNoErr);
    EXPECT_EQ(got<AIEntryType>([&](auto* t) { return dictionary->GetEntryType(d, "NombreLignes", t); }), kStringEntryType);
    EXPECT_EQ(dictionary->DeleteEntry(d, "Cadre"), kNoErr);
    EXPECT_EQ(dictionary->DeleteEntry(d, "Cadre"), kNoSuchKeyErr);
    EXPECT_EQ(count(d), 3);

    // Another reference reaches the same dictionary; another art has its own.
    const AIDictionaryRef again = dictionaryOf(group);
    EXPECT_EQ(count(again), 3);
    const AIArtHandle other = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    EXPECT_EQ(count(dictionaryOf(other)), 0);
}

TEST_F(DictionarySuite, ReferencesAreCountedAndStopWorkingWhenTheArtGoes)
{
    const AIDictionaryRef d = dictionaryOf(group);
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 1), kNoErr);
    ASSERT_EQ(dictionary->AddRef(d), kNoErr);
    EXPECT_EQ(dictionary->Release(d), kNoErr);
    EXPECT_EQ(integer(d, "n"), 1) << "taken twice, released once: still the caller's";
    EXPECT_EQ(dictionary->Release(d), kNoErr);
    EXPECT_EQ(dictionary->Release(d), kBadParameterErr) << "released as many times as taken";
    ai_int32 n = 0;
    EXPECT_EQ(dictionary->CountEntries(d, &n), kBadHandleErr);
    EXPECT_EQ(dictionary->AddRef(d), kBadHandleErr);

    // The art disposed of: every operation refuses the reference, until an undo brings the art
    // back with its dictionary.
    const AIDictionaryRef live = dictionaryOf(group);
    host.history().close("Make");
    ASSERT_EQ(art->DisposeArt(group), kNoErr);
    host.history().close("Delete");
    const char* text = nullptr;
    AIEntryType type = 0;
    ASBoolean flag = 0;
    AIDouble real = 0;
    const std::function<ASErr()> operations[] = {
        [&] { return dictionary->CountEntries(live, &n); },
        [&] { return dictionary->GetEntryType(live, "n", &type); },
        [&] { return dictionary->DeleteEntry(live, "n"); },
        [&] { return dictionary->GetIntegerEntry(live, "n", &n); },
        [&] { return dictionary->SetIntegerEntry(live, "n", 2); },
        [&] { return dictionary->GetBooleanEntry(live, "n", &flag); },
        [&] { return dictionary->SetBooleanEntry(live, "n", true); },
        [&] { return dictionary->GetRealEntry(live, "n", &real); },
        [&] { return dictionary->SetRealEntry(live, "n", 2); },
        [&] { return dictionary->GetStringEntry(live, "n", &text); },
        [&] { return dictionary->SetStringEntry(live, "n", "2"); },
        // Its key or value wrong too: the reference is checked first.
        [&] { return dictionary->SetIntegerEntry(live, nullptr, 2); },
        [&] { return dictionary->SetStringEntry(live, "n", nullptr); },
        [&] { return dictionary->GetIntegerEntry(live, "n", nullptr); },
    };
    for (size_t i = 0; i < std::size(operations); ++i)
        EXPECT_EQ(operations[i](), kBadHandleErr) << "operation " << i;
    EXPECT_FALSE(dictionary->HasArtDictionary(group));
    AIDictionaryRef none = nullptr;
    EXPECT_EQ(dictionary->GetArtDictionary(group, &none), kBadHandleErr);
    EXPECT_EQ(dictionary->GetArtDictionary(group, nullptr), kBadHandleErr) << "the art before the pointer";
    EXPECT_EQ(dictionary->GetArtDictionary(layerGroup(), nullptr), kBadParameterErr);

    EXPECT_EQ(host.history().undo(), "Delete");
    EXPECT_EQ(integer(live, "n"), 1);
    EXPECT_EQ(dictionary->Release(live), kNoErr);
}

TEST_F(DictionarySuite, KeysAndValuesOutsideTheBoundsAreRefusedAndChangeNothing)
{
    const AIDictionaryRef d = dictionaryOf(group);
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "kept", 1), kNoErr);
    host.history().close("Make");
    const std::string longest(host::doc::Dictionary::kMostKeyBytes, 'k');
    const std::string tooLong = longest + "k";
    const std::string largestText(host::doc::Dictionary::kMostTextBytes, 't');
    const std::string tooLarge = largestText + "t";
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        std::function<ASErr()> call;
        ASErr expected;
    } calls[] = {
        {"the longest key", [&] { return dictionary->SetIntegerEntry(d, longest.c_str(), 1); }, kNoErr},
        {"a key a byte longer", [&] { return dictionary->SetIntegerEntry(d, tooLong.c_str(), 1); }, kBadParameterErr},
        {"an empty key", [&] { return dictionary->SetBooleanEntry(d, "", true); }, kBadParameterErr},
        {"a null key", [&] { return dictionary->SetRealEntry(d, nullptr, 1); }, kBadParameterErr},
        {"a key not UTF-8", [&] { return dictionary->SetIntegerEntry(d, "\xC3(", 1); }, kBadParameterErr},
        {"a text not UTF-8", [&] { return dictionary->SetStringEntry(d, "s", "\xED\xA0\x80"); }, kBadParameterErr},
        {"a null text", [&] { return dictionary->SetStringEntry(d, "s", nullptr); }, kBadParameterErr},
        {"the largest text", [&] { return dictionary->SetStringEntry(d, "s", largestText.c_str()); }, kNoErr},
        {"a text a byte larger", [&] { return dictionary->SetStringEntry(d, "s", tooLarge.c_str()); }, kBadParameterErr},
        {"a real NaN", [&] { return dictionary->SetRealEntry(d, "r", std::nan("")); }, kBadParameterErr},
        {"a real infinite", [&] { return dictionary->SetRealEntry(d, "r", -inf); }, kBadParameterErr},
        {"a null count", [&] { return dictionary->CountEntries(d, nullptr); }, kBadParameterErr},
        {"a null type", [&] { return dictionary->GetEntryType(d, "kept", nullptr); }, kBadParameterErr},
        {"a null value", [&] { return dictionary->GetIntegerEntry(d, "kept", nullptr); }, kBadParameterErr},
        {"a null key to read", [&] { return dictionary->GetIntegerEntry(d, nullptr, nullptr); }, kBadParameterErr},
        {"a null key to delete", [&] { return dictionary->DeleteEntry(d, nullptr); }, kBadParameterErr},
        {"a reference made up", [&] { return dictionary->AddRef(reinterpret_cast<AIDictionaryRef>(uintptr_t{0xDEAD})); }, kBadHandleErr},
        {"a null reference", [&] { return dictionary->Release(nullptr); }, kBadParameterErr},
    };
    for (const auto& c : calls) {
        const host::doc::Dictionary before = held(group);
        const bool changing = host.document().changing();
        EXPECT_EQ(c.call(), c.expected) << c.what;
        if (c.expected != kNoErr) {
            EXPECT_TRUE(held(group) == before) << c.what;
            EXPECT_EQ(host.document().changing(), changing) << c.what << ": a refused call records nothing";
        }
    }
    EXPECT_EQ(integer(d, "kept"), 1);
    EXPECT_EQ(count(d), 3);
}

TEST_F(DictionarySuite, TheCountAndTheSizeOfADictionaryAreBounded)
{
    // Filled to the count directly (through the suite it takes long): one more entry is
    // refused, a replaced one is not.
    host::doc::Dictionary full;
    for (size_t i = 0; i < host::doc::Dictionary::kMostEntries; ++i)
        ASSERT_TRUE(full.set("k" + std::to_string(i), int32_t{0}));
    host.document().edit(group)->dictionary = full;
    const AIDictionaryRef d = dictionaryOf(group);
    EXPECT_EQ(dictionary->SetIntegerEntry(d, "one more", 1), kBadParameterErr);
    EXPECT_EQ(dictionary->SetIntegerEntry(d, "k7", 1), kNoErr);
    EXPECT_EQ(dictionary->DeleteEntry(d, "k8"), kNoErr);
    EXPECT_EQ(dictionary->SetIntegerEntry(d, "one more", 1), kNoErr) << "room again";

    // Eight texts of 1 MiB less their keys fill the bytes: the ninth is refused.
    const AIArtHandle other = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIDictionaryRef big = dictionaryOf(other);
    const std::string text(host::doc::Dictionary::kMostTextBytes - 2, 'x');
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(dictionary->SetStringEntry(big, ("t" + std::to_string(i)).c_str(), text.c_str()), kNoErr) << i;
    EXPECT_EQ(held(other).bytes(), host::doc::Dictionary::kMostBytes);
    EXPECT_EQ(dictionary->SetBooleanEntry(big, "b", true), kBadParameterErr);
    EXPECT_EQ(dictionary->SetStringEntry(big, "t0", "shorter"), kNoErr) << "a text replaced by a shorter one fits";
    EXPECT_EQ(dictionary->SetBooleanEntry(big, "b", true), kNoErr);
}

TEST_F(DictionarySuite, UndoAndRedoPutTheDictionaryBackWithItsArt)
{
    host.history().close("Group");
    const AIDictionaryRef d = dictionaryOf(group);
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 1), kNoErr);
    ASSERT_EQ(dictionary->SetStringEntry(d, "s", "one"), kNoErr);
    host.history().close("First");
    const host::doc::Dictionary first = held(group);

    // Setting what it holds already is no change: no step, the drawing not modified.
    host.document().markSaved();
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 1), kNoErr);
    ASSERT_EQ(dictionary->SetStringEntry(d, "s", "one"), kNoErr);
    EXPECT_FALSE(host.document().changing());
    EXPECT_FALSE(host.document().modified());

    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 2), kNoErr);
    ASSERT_EQ(dictionary->DeleteEntry(d, "s"), kNoErr);
    ASSERT_EQ(dictionary->SetRealEntry(d, "r", 0.5), kNoErr);
    host.history().close("Second");
    const host::doc::Dictionary second = held(group);
    EXPECT_FALSE(first == second);

    EXPECT_EQ(host.history().undo(), "Second");
    EXPECT_TRUE(held(group) == first);
    EXPECT_EQ(integer(d, "n"), 1) << "the reference sees what undo put back";
    EXPECT_EQ(host.history().redo(), "Second");
    EXPECT_TRUE(held(group) == second);
    EXPECT_EQ(host.history().undo(), "Second");
    EXPECT_EQ(host.history().undo(), "First");
    EXPECT_TRUE(held(group).empty());
    EXPECT_EQ(host.history().redo(), "First");
    EXPECT_TRUE(held(group) == first);
}

TEST_F(DictionarySuite, ATextStaysWhereItIsWhileItsEntryDoesNotChange)
{
    const AIDictionaryRef d = dictionaryOf(group);
    ASSERT_EQ(dictionary->SetStringEntry(d, "title", "a text longer than any small-string buffer"), kNoErr);
    host.history().close("Title");
    const char* text = got<const char*>([&](auto* v) { return dictionary->GetStringEntry(d, "title", v); });
    // More steps than the history keeps, each changing another entry: the dictionary is copied
    // each time, and the first copies go with the steps the history lets go.
    for (int i = 0; i <= static_cast<int>(host::UndoHistory::kMostSteps) + 5; ++i) {
        ASSERT_EQ(dictionary->SetIntegerEntry(d, "count", i), kNoErr);
        host.history().close("Count");
    }
    EXPECT_STREQ(text, "a text longer than any small-string buffer");
}

TEST_F(DictionarySuite, TheHistoryCountsTheDictionariesItKeeps)
{
    const AIDictionaryRef d = dictionaryOf(group);
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 0), kNoErr);
    host.history().close("Small");
    const size_t small = host.history().bytes();
    const std::string text(100000, 'x');
    ASSERT_EQ(dictionary->SetStringEntry(d, "big", text.c_str()), kNoErr);
    host.history().close("Text");
    ASSERT_EQ(dictionary->SetIntegerEntry(d, "n", 1), kNoErr);
    host.history().close("Again");
    EXPECT_GE(host.history().bytes(), small + text.size()) << "the former dictionary holding the text is counted";
}

TEST_F(DictionarySuite, InjectedFaultsAnswerInsteadOfTheOperation)
{
    const AIDictionaryRef d = dictionaryOf(group);
    const ASErr nope = host_test::kNope;
    host.faults().failOperation(kAIDictionarySuite, "SetIntegerEntry", nope);
    host.faults().failOperation(kAIDictionarySuite, "GetArtDictionary", nope);
    host.faults().failOperation(kAIDictionarySuite, "HasArtDictionary", nope);
    EXPECT_EQ(dictionary->SetIntegerEntry(d, "n", 1), nope);
    EXPECT_TRUE(held(group).empty());
    AIDictionaryRef another = nullptr;
    EXPECT_EQ(dictionary->GetArtDictionary(group, &another), nope);
    ASSERT_EQ(dictionary->SetBooleanEntry(d, "b", true), kNoErr);
    EXPECT_FALSE(dictionary->HasArtDictionary(group)) << "a failing question answers no";
    host.faults().clear();
    EXPECT_TRUE(dictionary->HasArtDictionary(group));
    EXPECT_EQ(dictionary->SetIntegerEntry(d, "n", 1), kNoErr);
}

} // namespace
