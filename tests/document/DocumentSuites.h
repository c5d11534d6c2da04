// A host with a given font list and every document suite acquired through its basic suite,
// as a plug-in acquires them.
#pragma once

#include "Host.h"
#include "host/HostSuites.h"
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

// A point as a pair, to compare and print at once.
using XY = std::pair<AIReal, AIReal>;

inline XY xy(AIRealPoint p)
{
    return {p.h, p.v};
}

using host_test::got;

inline host::HostOptions withFonts(std::vector<std::string> fonts)
{
    host::HostOptions options;
    options.fonts = std::move(fonts);
    return options;
}

class DocumentSuites : public ::testing::Test {
protected:
    DocumentSuites() : host(withFonts({"Alpha Sans", "Beta Serif", "Gamma Mono"})) {}

    void TearDown() override
    {
        for (const auto& [name, version] : acquired)
            EXPECT_EQ(host.basic()->ReleaseSuite(name.c_str(), version), kNoErr) << name;
    }

    template <typename Suite>
    const Suite* acquire(const char* name, ai_int32 version)
    {
        acquired.emplace_back(name, version);
        return host_test::Acquire<Suite>(host, name, version);
    }

    // The group of the current layer, where art goes.
    AIArtHandle layerGroup()
    {
        const AILayerHandle current = got<AILayerHandle>([&](auto* l) { return layer->GetCurrentLayer(l); });
        return got<AIArtHandle>([&](auto* g) { return art->GetFirstArtOfLayer(current, g); });
    }

    AIArtHandle make(AIArtType type, AIPaintOrder order, AIArtHandle prep)
    {
        return got<AIArtHandle>([&](auto* made) { return art->NewArt(type, order, prep, made); });
    }

    AIArtHandle pointText(AIArtHandle group, AIRealPoint anchor = {0, 0})
    {
        return got<AIArtHandle>(
            [&](auto* made) { return textFrame->NewPointText(kPlaceInsideOnTop, group, kHorizontalTextOrientation, anchor, made); });
    }

    std::string name(AIArtHandle handle)
    {
        const char* text = nullptr;
        EXPECT_EQ(art->GetArtName(handle, &text), kNoErr);
        return text == nullptr ? std::string() : std::string(text);
    }

    host::Host host;
    std::vector<std::pair<std::string, ai_int32>> acquired;
    const AIArtSuite* art = acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const AIPathSuite* path = acquire<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    const AIPathStyleSuite* pathStyle = acquire<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    const AITransformArtSuite* transform = acquire<AITransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion);
    const AIRealMathSuite* math = acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    const AILayerSuite* layer = acquire<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
    const AIDocumentSuite* document = acquire<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    const AIArtboardSuite* artboard = acquire<AIArtboardSuite>(kAIArtboardSuite, kAIArtboardSuiteVersion);
    const AITextFrameSuite* textFrame = acquire<AITextFrameSuite>(kAITextFrameSuite, kAITextFrameSuiteVersion);
    const AIATEPaintSuite* paint = acquire<AIATEPaintSuite>(kAIATEPaintSuite, kAIATEPaintSuiteVersion);
    const AIUnicodeStringSuite* unicode = acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    const AIFontSuite* font = acquire<AIFontSuite>(kAIFontSuite, kAIFontSuiteVersion);
    const ATETextFrameSuite* ateFrame = acquire<ATETextFrameSuite>("ATE Text Frame Suite", 101);
    const ATETextRangeSuite* range = acquire<ATETextRangeSuite>("ATE Text Range Suite", 1);
    const ATECharFeaturesSuite* chars = acquire<ATECharFeaturesSuite>("ATE Char Features Suite", 101);
    const ATEParaFeaturesSuite* paras = acquire<ATEParaFeaturesSuite>("ATE Para Features Suite", 101);
    const ATEFontSuite* ateFont = acquire<ATEFontSuite>("ATE Font Suite", 1);
    const ATEApplicationPaintSuite* atePaint = acquire<ATEApplicationPaintSuite>("ATE Application Paint Suite", 1);
};

} // namespace testing_document
