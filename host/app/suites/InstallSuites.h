// Every suite family registers its function tables here.
#pragma once

#include "../SuiteRegistry.h"
#include "sdk/SPBasic.h"

namespace host {

SPBasicSuite basicSuite();

void installSPSuites(SuiteRegistry& registry);
void installNotifierSuite(SuiteRegistry& registry);
void installContextSuite(SuiteRegistry& registry);
void installUserSuite(SuiteRegistry& registry);
void installArtSuites(SuiteRegistry& registry);
void installLayerSuite(SuiteRegistry& registry);
void installDocumentSuites(SuiteRegistry& registry);
void installTextSuites(SuiteRegistry& registry);
void installFontSuite(SuiteRegistry& registry);
void installToolSuite(SuiteRegistry& registry);
void installMenuSuite(SuiteRegistry& registry);
void installPanelSuites(SuiteRegistry& registry);
void installDataFilterSuite(SuiteRegistry& registry);
void installAnnotatorSuite(SuiteRegistry& registry);
void installAnnotatorDrawerSuite(SuiteRegistry& registry);
void installViewSuites(SuiteRegistry& registry);
void installPreferenceSuite(SuiteRegistry& registry);
void installDictionarySuite(SuiteRegistry& registry);
void installMatchingArtSuite(SuiteRegistry& registry);
void installPendingSuites(SuiteRegistry& registry);

inline void installSuites(SuiteRegistry& registry)
{
    installSPSuites(registry);
    installNotifierSuite(registry);
    installContextSuite(registry);
    installUserSuite(registry);
    installArtSuites(registry);
    installLayerSuite(registry);
    installDocumentSuites(registry);
    installTextSuites(registry);
    installFontSuite(registry);
    installToolSuite(registry);
    installMenuSuite(registry);
    installPanelSuites(registry);
    installDataFilterSuite(registry);
    installAnnotatorSuite(registry);
    installAnnotatorDrawerSuite(registry);
    installViewSuites(registry);
    installPreferenceSuite(registry);
    installDictionarySuite(registry);
    installMatchingArtSuite(registry);
    installPendingSuites(registry);
}

} // namespace host
