// A host with a given font list and every document suite acquired through its basic suite,
// as a plug-in acquires them.
#pragma once

#include "Host.h"
#include "sdk/AIATEPaint.h"
#include "sdk/AIArt.h"
#include "sdk/AIArtboard.h"
#include "sdk/AIDocument.h"
#include "sdk/AIFont.h"
#include "sdk/AILayer.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/AIRealMath.h"
#include "sdk/AITextFrame.h"
#include "sdk/AITransformArt.h"
#include "sdk/AIUnicodeString.h"
#include "sdk/ATESuites.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_document {

inline host::HostOptions withFonts(std::vector<std::string> fonts)
{
    host::HostOptions options;
    options.fonts = std::move(fonts);
    return options;
}

class DocumentSuites : public ::testing::Test {
protected:
    DocumentSuites() : host(withFonts({"Alpha Sans", "Beta Serif", "Gamma Mono"})) {}

    void SetUp() override
    {
        acquire(kAIArtSuite, kAIArtSuiteVersion, art);
        acquire(kAIPathSuite, kAIPathSuiteVersion, path);
        acquire(kAIPathStyleSuite, kAIPathStyleSuiteVersion, pathStyle);
        acquire(kAITransformArtSuite, kAITransformArtSuiteVersion, transform);
        acquire(kAIRealMathSuite, kAIRealMathSuiteVersion, math);
        acquire(kAILayerSuite, kAILayerSuiteVersion, layer);
        acquire(kAIDocumentSuite, kAIDocumentSuiteVersion, document);
        acquire(kAIArtboardSuite, kAIArtboardSuiteVersion, artboard);
        acquire(kAITextFrameSuite, kAITextFrameSuiteVersion, textFrame);
        acquire(kAIATEPaintSuite, kAIATEPaintSuiteVersion, paint);
        acquire(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, unicode);
        acquire(kAIFontSuite, kAIFontSuiteVersion, font);
        acquire("ATE Text Frame Suite", 101, ateFrame);
        acquire("ATE Text Range Suite", 1, range);
        acquire("ATE Char Features Suite", 101, chars);
        acquire("ATE Para Features Suite", 101, paras);
        acquire("ATE Font Suite", 1, ateFont);
        acquire("ATE Application Paint Suite", 1, atePaint);
    }

    void TearDown() override
    {
        for (const auto& [name, version] : acquired)
            EXPECT_EQ(host.basic()->ReleaseSuite(name.c_str(), version), kNoErr) << name;
    }

    template <typename Suite>
    void acquire(const char* name, ai_int32 version, const Suite*& suite)
    {
        const void* table = nullptr;
        ASSERT_EQ(host.basic()->AcquireSuite(name, version, &table), kNoErr) << name;
        suite = static_cast<const Suite*>(table);
        acquired.emplace_back(name, version);
    }

    // The group of the current layer, where art goes.
    AIArtHandle layerGroup()
    {
        AILayerHandle current = nullptr;
        EXPECT_EQ(layer->GetCurrentLayer(&current), kNoErr);
        AIArtHandle group = nullptr;
        EXPECT_EQ(art->GetFirstArtOfLayer(current, &group), kNoErr);
        return group;
    }

    AIArtHandle make(AIArtType type, AIPaintOrder order, AIArtHandle prep)
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(art->NewArt(type, order, prep, &made), kNoErr);
        return made;
    }

    AIArtHandle pointText(AIArtHandle group, AIRealPoint anchor = {0, 0})
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(textFrame->NewPointText(kPlaceInsideOnTop, group, kHorizontalTextOrientation, anchor, &made), kNoErr);
        return made;
    }

    std::string name(AIArtHandle handle)
    {
        const char* text = nullptr;
        EXPECT_EQ(art->GetArtName(handle, &text), kNoErr);
        return text == nullptr ? std::string() : std::string(text);
    }

    host::Host host;
    std::vector<std::pair<std::string, ai_int32>> acquired;
    const AIArtSuite* art = nullptr;
    const AIPathSuite* path = nullptr;
    const AIPathStyleSuite* pathStyle = nullptr;
    const AITransformArtSuite* transform = nullptr;
    const AIRealMathSuite* math = nullptr;
    const AILayerSuite* layer = nullptr;
    const AIDocumentSuite* document = nullptr;
    const AIArtboardSuite* artboard = nullptr;
    const AITextFrameSuite* textFrame = nullptr;
    const AIATEPaintSuite* paint = nullptr;
    const AIUnicodeStringSuite* unicode = nullptr;
    const AIFontSuite* font = nullptr;
    const ATETextFrameSuite* ateFrame = nullptr;
    const ATETextRangeSuite* range = nullptr;
    const ATECharFeaturesSuite* chars = nullptr;
    const ATEParaFeaturesSuite* paras = nullptr;
    const ATEFontSuite* ateFont = nullptr;
    const ATEApplicationPaintSuite* atePaint = nullptr;
};

} // namespace testing_document
