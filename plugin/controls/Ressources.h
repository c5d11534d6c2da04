// The plug-in's bundle: its interface file, its images and its sounds are found by this
// identifier.
#pragma once

extern const char* const kIdentifiantBundle;
