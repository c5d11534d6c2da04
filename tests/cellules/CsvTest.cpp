// Cells as CSV and TSV: what a spreadsheet writes reads back field for field, what is not such
// text is refused with its line, and no input, however large, is read past the limits.
#include "Csv.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Lu {
    const char* nom;
    std::string texte;
    char separateur;
    Enregistrements attendu;
};

class CsvLu : public testing::TestWithParam<Lu> {};

TEST_P(CsvLu, GivesTheRecordsFieldForField)
{
    const LectureCsv lecture = LitCsv(GetParam().texte, GetParam().separateur);
    EXPECT_EQ(lecture.refus, "");
    EXPECT_EQ(lecture.enregistrements, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvLu,
    testing::Values(
        Lu{"plain", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}},
        Lu{"line_feeds_and_no_last_end", "a,b\nc,d", ',', {{"a", "b"}, {"c", "d"}}},
        Lu{"carriage_returns_alone", "a\rb\r", ',', {{"a"}, {"b"}}},
        Lu{"quoted_separator_quote_and_line_break",
           "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n",
           ',',
           {{"x, y", "say \"hi\"", "two\r\nlines"}}},
        Lu{"empty_fields_and_a_separator_at_the_end", ",a,,\n", ',', {{"", "a", "", ""}}},
        Lu{"ragged_records", "a\nb,c,d\n\ne\n", ',', {{"a"}, {"b", "c", "d"}, {""}, {"e"}}},
        Lu{"empty_lines_at_the_end_are_no_data", "a\n\n\r\n\n", ',', {{"a"}}},
        Lu{"a_quoted_empty_last_record_is_data", "a\n\"\"\n", ',', {{"a"}, {""}}},
        Lu{"byte_order_mark", "\xEF\xBB\xBFnom,\xC3\xA2ge\n", ',', {{"nom", "\xC3\xA2ge"}}},
        Lu{"tabs", "a\tb, c\n\"d\te\"\tf\n", '\t', {{"a", "b, c"}, {"d\te", "f"}}},
        Lu{"semicolons_with_decimal_commas", "1,5;2,25\n", ';', {{"1,5", "2,25"}}},
        Lu{"emoji_and_combining_marks", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD,e\xCC\x81\n", ',',
           {{"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", "e\xCC\x81"}}},
        Lu{"nothing", "", ',', {}}),
    [](const testing::TestParamInfo<Lu>& cas) { return cas.param.nom; });

struct Refuse {
    const char* nom;
    std::string texte;
    LimitesCsv limites;
    std::string raison;
};

class CsvRefuse : public testing::TestWithParam<Refuse> {};

TEST_P(CsvRefuse, SaysWhyAndGivesNothing)
{
    const LectureCsv lecture = LitCsv(GetParam().texte, ',', GetParam().limites);
    EXPECT_EQ(lecture.refus, GetParam().raison);
    EXPECT_TRUE(lecture.enregistrements.empty());
}

LimitesCsv Limites(size_t octets, size_t enregistrements, size_t parEnregistrement, size_t champs)
{
    return {octets, enregistrements, parEnregistrement, champs};
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvRefuse,
    testing::Values(
        Refuse{"bytes_that_are_not_utf8", "a\nb\xFF\n", {}, "line 2: bytes that are not UTF-8"},
        Refuse{"an_overlong_form", "\xC0\xAF\n", {}, "line 1: bytes that are not UTF-8"},
        Refuse{"a_cut_character_at_the_end", "a\xE2\x82", {}, "line 1: bytes that are not UTF-8"},
        Refuse{"a_nul", std::string("a\nb\0c", 5), {}, "line 2: a NUL character"},
        Refuse{"a_quote_that_never_ends", "a\n\"b,c\nd\n", {}, "line 2: a quoted field that never ends"},
        Refuse{"text_after_a_closing_quote", "\"a\"b,c\n", {}, "line 1: text after the closing quote of a field"},
        Refuse{"a_field_too_long", "a\n" + std::string(11, 'x') + "\n", Limites(10, 100, 100, 100),
               "line 2: a field longer than 10 bytes"},
        Refuse{"a_quoted_field_too_long", "\"" + std::string(50, 'x') + "\"", Limites(10, 100, 100, 100),
               "line 1: a field longer than 10 bytes"},
        Refuse{"too_many_records", "a\nb\nc\nd\n", Limites(10, 3, 100, 100), "more than 3 records"},
        Refuse{"too_many_fields_in_one_record", "a,b,c\n", Limites(10, 100, 2, 100),
               "line 1: more than 2 fields in one record"},
        Refuse{"too_many_fields_in_all", "a,b\nc,d\ne\n", Limites(10, 100, 100, 4), "more than 4 fields"}),
    [](const testing::TestParamInfo<Refuse>& cas) { return cas.param.nom; });

// A million rows, or a field of ten megabytes, stop at the first limit they pass: the reading
// gives up there with the reason, whatever follows.
TEST(Csv, LargeInputStopsAtTheLimits)
{
    std::string million;
    for (int i = 0; i < 1000000; ++i)
        million += "a,b\n";
    EXPECT_EQ(LitCsv(million, ',').refus, "more than 100000 fields");

    const std::string champ = "x,\"" + std::string(10u << 20, 'y') + "\"\n";
    EXPECT_EQ(LitCsv(champ, ',').refus, "line 1: a field longer than 65536 bytes");
}

TEST(Csv, TheSeparatorIsTheOneMostUsedInTheFirstRecord)
{
    const struct {
        const char* texte;
        char attendu;
    } cas[] = {
        {"a,b,c\n", ','},         {"a;b;c,d\n", ';'},          {"a\tb\tc;d\n", '\t'},
        {"\"a;b;c\",d\n", ','},   {"one field\nx;y;z\n", ','}, {"", ','},
    };
    for (const auto& c : cas)
        EXPECT_EQ(DevineSeparateur(c.texte), c.attendu) << c.texte;
}

// Whatever the fields hold, what is written reads back as it was, with either separator.
TEST(Csv, WrittenCellsReadBackAsTheyWere)
{
    const Enregistrements enregistrements = {
        {"Title, with a comma"},
        {"plain", "say \"hi\"", "two\nlines", " blank around ", ""},
        {""},
        {"tab\there", "\xE2\x82\xAC 12,50", "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"},
    };
    // A first field that starts with a byte-order mark keeps it.
    const Enregistrements marque = {{"\xEF\xBB\xBFx", "y"}};
    EXPECT_EQ(LitCsv(EcritCsv(marque, ','), ',').enregistrements, marque);
    for (char separateur : {',', '\t', ';'}) {
        const LectureCsv lecture = LitCsv(EcritCsv(enregistrements, separateur), separateur);
        EXPECT_EQ(lecture.refus, "");
        EXPECT_EQ(lecture.enregistrements, enregistrements) << "separator " << int(separateur);
    }
    EXPECT_EQ(EcritCsv({{"a", "b c"}, {"1"}}, ','), "a,b c\r\n1\r\n");
}

} // namespace
