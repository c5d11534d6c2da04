// What the about box says, and the maker's web page the panel's web button also opens.
#pragma once

extern const char* const kVersionVaroTable;
extern const char* const kAdresseSiteVaro;
