// The detailed view's settings table read without a store: every row
// takes its own default and refuses what its member cannot hold, a change
// saves whole groups, and the notice names what was reset.
#include "app/DetailSettings.h"

#include <set>

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(DetailSettings, EachRowHoldsItsOwnMemberAndTakesItsDefault) {
    std::set<std::wstring_view> names;
    for (const SettingRow& row : DetailSettingRows()) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        EXPECT_TRUE(names.insert(row.name).second) << "one row per name";
        EXPECT_EQ(FindSettingRow(row.name), &row);
        EXPECT_TRUE(row.takes(DefaultOf(row)));
        EXPECT_FALSE(row.takes(INT32_MIN));
        // A value it takes, other than the default, goes to its member alone.
        std::int32_t other = DefaultOf(row);
        for (std::int32_t v = 0; v <= 200000 && other == DefaultOf(row); ++v) {
            if (row.takes(v) && v != DefaultOf(row)) other = v;
        }
        ASSERT_NE(other, DefaultOf(row));
        DetailSettings s;
        row.set(s, other);
        EXPECT_EQ(row.get(s), other);
        for (const SettingRow& rest : DetailSettingRows()) {
            if (&rest != &row) EXPECT_EQ(rest.get(s), DefaultOf(rest)) << "only its own member";
        }
    }
    EXPECT_EQ(FindSettingRow(L"Inconnu"), nullptr);
}

TEST(DetailSettings, TheRangesOfWhatIsStored) {
    const auto takes = [](std::wstring_view name, std::int32_t v) {
        return FindSettingRow(name)->takes(v);
    };
    EXPECT_TRUE(takes(L"PageDetail", static_cast<std::int32_t>(kPageCount) - 1));
    EXPECT_FALSE(takes(L"PageDetail", static_cast<std::int32_t>(kPageCount)));
    EXPECT_TRUE(takes(L"UniteDelai", kDelayUnitCount - 1));
    EXPECT_FALSE(takes(L"UniteDelai", kDelayUnitCount));
    EXPECT_FALSE(takes(L"ToutesDivisions", 2));
    EXPECT_FALSE(takes(L"TableauDetaille", 2));
    EXPECT_TRUE(takes(L"MesureHaut", 32));
    EXPECT_FALSE(takes(L"MesureHaut", 33));
    EXPECT_FALSE(takes(L"MesureHaut", 0));
    EXPECT_TRUE(takes(L"MesureBas", 32));
    EXPECT_FALSE(takes(L"MesureBas", 3));
    EXPECT_TRUE(takes(L"PreDelai", kPreDelayCount - 1));
    EXPECT_FALSE(takes(L"PreDelai", kPreDelayCount));
    EXPECT_TRUE(takes(L"Echantillons2", 192000));
    EXPECT_FALSE(takes(L"Echantillons1", 22050));
    EXPECT_TRUE(takes(L"UniteLongueur", kLengthUnitCount - 1));
    EXPECT_FALSE(takes(L"UniteLongueur", kLengthUnitCount));
    EXPECT_TRUE(takes(L"TempoVise", 0)) << "none";
    EXPECT_FALSE(takes(L"TempoVise", 999));
    EXPECT_TRUE(takes(L"TempoVise", 25000));
    EXPECT_FALSE(takes(L"TempoVise", 25001));
    EXPECT_TRUE(takes(L"Decalage", -2400));
    EXPECT_FALSE(takes(L"Decalage", 2401));
    EXPECT_FALSE(takes(L"Swing", 4999));
    EXPECT_TRUE(takes(L"Swing", 7500));
    EXPECT_FALSE(takes(L"Swing", 7501));
}

std::vector<std::wstring_view> Names(const std::vector<const SettingRow*>& rows) {
    std::vector<std::wstring_view> names;
    for (const SettingRow* row : rows) names.push_back(row->name);
    return names;
}

TEST(DetailSettings, AChangeSavesWholeGroupsAndOnlyThem) {
    DetailSettings before;
    DetailSettings after = before;
    EXPECT_TRUE(ChangedRows(before, after).empty());
    after.signature.denominator = 8;
    after.rates.second = 96000;
    EXPECT_EQ(Names(ChangedRows(before, after)),
              (std::vector<std::wstring_view>{L"MesureHaut", L"MesureBas", L"Echantillons2"}));
    EXPECT_EQ(Names(WholeGroups({FindSettingRow(L"MesureHaut")})),
              (std::vector<std::wstring_view>{L"MesureHaut", L"MesureBas"}));
    for (const SettingRow& row : DetailSettingRows()) {
        const bool figures = row.name != L"TableauDetaille" && row.name != L"PageDetail" &&
                             row.name != L"UniteDelai";
        EXPECT_EQ(row.figures, figures) << testing::PrintToString(std::wstring(row.name));
    }
}

TEST(DetailSettings, TheNoticeNamesEachSettingOnce) {
    EXPECT_EQ(ResetNotice(WholeGroups({FindSettingRow(L"MesureBas")})),
              L"Un réglage enregistré était illisible ou hors limites : la mesure. Il a repris "
              L"sa valeur par défaut, qui est enregistrée.");
    EXPECT_EQ(ResetNotice({FindSettingRow(L"PageDetail"), FindSettingRow(L"PreDelai"),
                           FindSettingRow(L"UniteDelai")}),
              L"Des réglages enregistrés étaient illisibles ou hors limites : la page affichée, "
              L"le pré-délai de la réverbération et l'unité du délai. Ils ont repris leur valeur "
              L"par défaut, qui est enregistrée.");
}

}  // namespace
}  // namespace rytmalo
