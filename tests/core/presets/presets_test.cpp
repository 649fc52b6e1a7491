#include "core/presets/presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/l10n/language.h"
#include "core/presets/preset_table.h"

namespace corvane {
namespace {

struct MmsOperator {
    std::string_view name;
    std::string_view port;
};

struct CountryRow {
    std::string_view country;
    std::vector<std::string_view> gprs;  // empty: not in the data-access set
    std::vector<MmsOperator> mms;
};

// The published country and operator lists, as the dialogs must show them.
const std::vector<CountryRow>& Expected() {
    static const std::vector<CountryRow> rows = {
        {"China", {"China Mobile", "China Unicom"}, {{"China Mobile", "80"}, {"China Unicom", "80"}}},
        {"United States", {"T-Mobile", "AT&T"}, {{"T-Mobile", "8080"}, {"AT&T", "80"}}},
        {"Deutschland",
         {"Vodafone", "T-Mobile", "E-Plus", "O2"},
         {{"Vodafone", "80"}, {"T-Mobile", "8008"}, {"E-Plus", "8080"}, {"O2", "8080"}}},
        {"United Kingdom",
         {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"},
         {{"Vodafone", "9201"},
          {"O2", "8080"},
          {"O2 Payandgo", "8080"},
          {"Orange", "8080"},
          {"3", "8799"},
          {"Virgin", "8080"},
          {"Vodafone Prepay", "8799"},
          {"BT Mobile", "8799"},
          {"ASDA Mobile", "9201"}}},
        {"Canada", {"Fido", "Rogers"}, {{"Fido", "8080"}, {"Rogers", "8080"}}},
        {"Sweden", {"Telenor", "Telia", "Tele2"}, {{"Telenor", "8799"}, {"Telia", "8080"}}},
        {"Slovenia",
         {"Mobitel", "Simobil", "Tusmobil", "izimobil"},
         {{"Mobitel", "8080"}, {"Izi Mobil", "8080"}, {"Si Mobil", "9201"}, {"Tusmobil", "8080"}}},
        {"Portugal", {"Optimus", "Vodafone"}, {{"Optimus", "8799"}, {"Vodafone", "8799"}}},
        {"Turkey", {"Avea", "Turkcell"}, {{"Avea", "8080"}, {"Turkcell", "8080"}}},
        {"Schweiz",
         {"Orange", "Sunrise", "Swisscom"},
         {{"Orange", "8080"}, {"Sunrise", "8080"}, {"Swisscom", "8080"}}},
        {"Spain",
         {"Amena", "Vodafone", "Telefonica"},
         {{"Orange", "8080"}, {"Vodafone", "80"}, {"Telstra", "8080"}}},
        {"Slovakia",
         {"T-Mobile", "Orange", "O2"},
         {{"T-Mobile", "8080"}, {"Orange", "8799"}, {"O2", "8080"}}},
        {"Russia", {"MTS", "Beeline"}, {{"A Mobile", "8080"}, {"Beeline", "9201"}}},
        {"Romania", {"Orange"}, {{"Orange", "8080"}}},
        {"Poland",
         {"ERA", "Orange"},
         {{"ERA", "8080"}, {"Orange", "8080"}, {"Plus", "8080"}, {"Heyah", "8080"}, {"Play", "8080"}}},
        {"Netherlands", {"T-Mobile", "Vodafone"}, {{"T-Mobile", "8080"}, {"Vodafone", "8799"}}},
        {"Italy", {"TIM", "Vodafone"}, {{"TIM", "80"}, {"Vodafone", "8080"}}},
        {"Ireland", {"Meteor", "Vodafone"}, {{"Meteor", "8799"}, {"Vodafone", "80"}}},
        {"Hungary",
         {"Pannon (contract)", "Vodafone", "T-Mobile"},
         {{"T-Mobile", "8080"}, {"Vodafone", "8080"}}},
        {"Greece", {"T-Cosmote", "Vodafone"}, {{"T-Cosmote", "8080"}, {"Vodafone", "8080"}}},
        {"France", {"Bouygues", "Orange"}, {{"Bouygues", "8080"}, {"Orange", "8080"}, {"SFR", "8080"}}},
        {"Australia",
         {"Optus", "Telstra", "Vodafone", "Three", "Virgin"},
         {{"Optus", "8070"},
          {"Telstra", "80"},
          {"Mic1", "9201"},
          {"Vodafone", "8080"},
          {"Three", "8799"},
          {"Virgin", "8070"}}},
        {"Oesterreich", {"A1", "T-Mobile"}, {{"A1", "8001"}, {"T-Mobile", "80"}}},
        {"Brazil", {"Brazil Telecom", "Claro"}, {{"Brazil Telecom", "8080"}, {"Claro", "8080"}}},
        {"Bulgaria",
         {"Globul", "Mtel", "Vivacom"},
         {{"Globul", "8004"}, {"Mtel", "8080"}, {"Vivacom", "8080"}}},
        {"Croatia", {"VIPNet"}, {{"VIPNet", "8080"}, {"T-mobile HR", "8080"}}},
        {"Ceska republika",
         {"Eurotel", "O2", "T-Mobile", "Vodafone"},
         {{"Eurotel", "8080"}, {"O2", "8080"}, {"T-Mobile", "80"}, {"Vodafone", "80"}}},
        {"Denmark", {"TDC", "Telia"}, {{"Sonofon", "8080"}, {"TDC", "8080"}, {"Telia", "8080"}}},
        {"Finland",
         {"Radiolinja", "DNA", "Sonera", "Elisa"},
         {{"Alands", "8080"}, {"DNA", "8080"}, {"Sonera", "80"}, {"Elisa", "80"}}},
        {"New Zealand", {"Vodafone"}, {{"Vodafone", "8080"}}},
        {"Norway", {"Netcom", "Telenor"}, {{"Netcom", "8080"}, {"Telenor", "8080"}, {"Onecall", "80"}}},
        {"South Africa",
         {"Cell C", "Vodacom", "MTN"},
         {{"Cell C", "8080"}, {"Virgin", "8080"}, {"MTN", "8080"}, {"Vodacom", "8080"}}},
        {"Egypt", {"MobilNil", "Vodafone"}, {{"MobilNil", "8080"}, {"Vodafone", "8080"}}},
        {"Ukraine",
         {"KiyvStar", "MTS", "LIFE", "Beeline UA"},
         {{"KiyvStar", "8080"}, {"MTS", "8080"}, {"LIFE", "8080"}, {"Beeline UA", "8080"}}},
        {"Lithuania",
         {"Omnitel", "Bite"},
         {{"Omnitel", "8080"}, {"Omnitel Ezio", "8080"}, {"Tele2 Pildyk", "8080"}, {"Bite", "8080"}}},
        {"India",
         {"Idea", "BPL", "Airtel", "VodaFone"},
         {{"Idea", "8080"}, {"CellOne", "8080"}, {"BPL", "8080"}, {"Airtel", "8080"}, {"VodaFone", "8080"}}},
        {"Latvia", {"LMT"}, {{"Okarte", "80"}}},
        {"Namibia", {"MTC"}, {{"MTC", "80"}}},
        {"Estonia", {"EMT", "ELISA", "TELE2"}, {{"EMT", "8080"}, {"ELISA", "8000"}, {"TELE2", "9201"}}},
        {"Belgium",
         {"Proximus", "Mobistar", "Base"},
         {{"Proximus", "80"}, {"Mobistar", "8080"}, {"Base", "8080"}}},
        {"Cyprus", {"Cyta"}, {{"Cyta", "8080"}}},
        {"Cayman Islands", {}, {{"Digicel", "8080"}}},
    };
    return rows;
}

// The count bytes as the dialogs store them, independent of the lists above.
const std::vector<int> kGprsCounts = {2, 2, 4, 8, 2, 3, 4, 2, 2, 3, 3, 3, 2, 1, 2, 2, 2, 2, 3, 2, 2,
                                      5, 2, 2, 3, 1, 4, 2, 4, 1, 2, 3, 2, 4, 2, 4, 1, 1, 3, 3, 1};
const std::vector<int> kMmsCounts = {2, 2, 4, 9, 2, 2, 4, 2, 2, 3, 3, 3, 2, 1, 5, 2, 2, 2, 2, 2, 3,
                                     6, 2, 2, 3, 2, 4, 3, 4, 1, 3, 4, 2, 4, 4, 5, 1, 1, 3, 3, 1, 1};

std::vector<std::string_view> Names(std::span<const std::string_view> list) {
    return {list.begin(), list.end()};
}

TEST(PresetsTest, CountryListsOfBothSets) {
    std::vector<std::string_view> expected;
    for (const auto& row : Expected()) {
        expected.push_back(row.country);
    }
    EXPECT_EQ(Names(CountryNames(PresetSet::kMms, kEnglish)), expected);
    expected.pop_back();  // "Cayman Islands" is in the MMS set only
    for (int32_t language = 0; language <= kLanguageCount + 1; ++language) {
        EXPECT_EQ(Names(CountryNames(PresetSet::kGprs, language)), expected) << "language " << language;
    }
}

TEST(PresetsTest, MmsCountryZeroIsChineseOnlyForChinese) {
    for (int32_t language = 0; language <= kLanguageCount + 1; ++language) {
        const auto names = CountryNames(PresetSet::kMms, language);
        ASSERT_EQ(names.size(), 42u);
        EXPECT_EQ(names[0], language == kChinese ? "中国" : "China") << "language " << language;
        EXPECT_EQ(names[41], "Cayman Islands");
        const auto operators = OperatorNames(PresetSet::kMms, 0, language);
        const std::vector<std::string_view> chinese = {"中国移动", "中国联通"};
        const std::vector<std::string_view> english = {"China Mobile", "China Unicom"};
        EXPECT_EQ(operators, language == kChinese ? chinese : english) << "language " << language;
        EXPECT_EQ(OperatorNames(PresetSet::kGprs, 0, language), english) << "language " << language;
    }
    // Only country 0 has Chinese names.
    EXPECT_EQ(OperatorNames(PresetSet::kMms, 1, kChinese),
              (std::vector<std::string_view>{"T-Mobile", "AT&T"}));
    EXPECT_EQ(CountryNames(PresetSet::kMms, kChinese)[1], "United States");
}

TEST(PresetsTest, CountsAndOperatorNamesPerCountry) {
    ASSERT_EQ(Expected().size(), 42u);
    for (int c = 0; c < 42; ++c) {
        const auto& row = Expected()[static_cast<std::size_t>(c)];
        SCOPED_TRACE(std::string(row.country));
        std::vector<std::string_view> mmsNames;
        for (const auto& op : row.mms) {
            mmsNames.push_back(op.name);
        }
        EXPECT_EQ(OperatorCount(PresetSet::kMms, c), kMmsCounts[static_cast<std::size_t>(c)]);
        EXPECT_EQ(OperatorNames(PresetSet::kMms, c, kEnglish), mmsNames);
        if (c < 41) {
            EXPECT_EQ(OperatorCount(PresetSet::kGprs, c), kGprsCounts[static_cast<std::size_t>(c)]);
            EXPECT_EQ(OperatorNames(PresetSet::kGprs, c, kEnglish), row.gprs);
        }
    }
}

TEST(PresetsTest, MmsPortsAreTheFixedOnes) {
    for (int c = 0; c < kMmsCountryCount; ++c) {
        const auto& row = Expected()[static_cast<std::size_t>(c)];
        for (int o = 0; o < static_cast<int>(row.mms.size()); ++o) {
            const auto preset = MmsPresetAt(c, o);
            ASSERT_TRUE(preset.has_value()) << row.country << " " << o;
            EXPECT_EQ(preset->port, row.mms[static_cast<std::size_t>(o)].port) << row.country << " " << o;
        }
    }
}

TEST(PresetsTest, NoCountryUsesTheTenthSlotAndUnusedSlotsAreEmpty) {
    auto checkGrid = [](const auto& grid, const auto& counts) {
        for (std::size_t c = 0; c < grid.size(); ++c) {
            EXPECT_GE(counts[c], 1) << "country " << c;
            EXPECT_LE(counts[c], kOperatorSlots - 1) << "country " << c;
            for (std::size_t s = 0; s < grid[c].size(); ++s) {
                const bool used = static_cast<int>(s) < counts[c];
                EXPECT_EQ(grid[c][s].name.empty(), !used) << "country " << c << " slot " << s;
            }
        }
    };
    checkGrid(preset_table::kGprsGrid, preset_table::kGprsOperatorCounts);
    checkGrid(preset_table::kMmsGrid, preset_table::kMmsOperatorCounts);
    for (std::size_t c = 0; c < preset_table::kMmsGrid.size(); ++c) {
        const auto& unused = preset_table::kMmsGrid[c][kOperatorSlots - 1].columns;
        EXPECT_TRUE(unused.url.empty() && unused.apn.empty() && unused.gateway.empty() &&
                    unused.port.empty() && unused.account.empty() && unused.password.empty());
    }
}

bool PrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch <= 0x7E; });
}

// A dotted IPv4 address, octets of one to three digits (leading zeros allowed).
bool DottedIpv4(std::string_view text) {
    int octets = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        const auto part =
            text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (part.empty() || part.size() > 3 ||
            !std::all_of(part.begin(), part.end(), [](char ch) { return ch >= '0' && ch <= '9'; }) ||
            std::stoi(std::string(part)) > 255) {
            return false;
        }
        ++octets;
        if (dot == std::string_view::npos) {
            return octets == 4;
        }
        start = dot + 1;
    }
}

struct Limit {
    const char* column;
    std::size_t published;  // longest value the column may hold
    std::size_t dialog;     // bytes the dialog field (and the record) accepts
};

// Every preset value must fit the field it is copied into, or generating in Auto mode could refuse
// or overflow a record.
TEST(PresetsTest, EveryGprsValueFitsItsField) {
    const Limit apn{"apn", 25, 32}, account{"account", 20, 32}, password{"password", 11, 32};
    for (int c = 0; c < kGprsCountryCount; ++c) {
        for (int o = 0; o < OperatorCount(PresetSet::kGprs, c); ++o) {
            const auto p = GprsPresetAt(c, o);
            ASSERT_TRUE(p.has_value());
            for (const auto& [limit, value] :
                 {std::pair{apn, p->apn}, {account, p->account}, {password, p->password}}) {
                SCOPED_TRACE(testing::Message()
                             << c << "/" << o << " " << limit.column << " \"" << value << "\"");
                EXPECT_LE(value.size(), limit.published);
                EXPECT_LE(value.size(), limit.dialog);
                EXPECT_TRUE(PrintableAscii(value));
            }
            EXPECT_FALSE(p->apn.empty()) << c << "/" << o;
        }
    }
}

TEST(PresetsTest, EveryMmsValueFitsItsFieldAndShape) {
    const Limit url{"url", 42, 50}, apn{"apn", 21, 30}, gateway{"gateway", 15, 20}, port{"port", 4, 10},
        account{"account", 20, 30}, password{"password", 10, 30};
    const std::vector<std::string_view> ports = {"80",   "8000", "8001", "8004", "8008",
                                                 "8070", "8080", "8799", "9201"};
    for (int c = 0; c < kMmsCountryCount; ++c) {
        for (int o = 0; o < OperatorCount(PresetSet::kMms, c); ++o) {
            const auto p = MmsPresetAt(c, o);
            ASSERT_TRUE(p.has_value());
            for (const auto& [limit, value] : {std::pair{url, p->url},
                                               {apn, p->apn},
                                               {gateway, p->gateway},
                                               {port, p->port},
                                               {account, p->account},
                                               {password, p->password}}) {
                SCOPED_TRACE(testing::Message()
                             << c << "/" << o << " " << limit.column << " \"" << value << "\"");
                EXPECT_LE(value.size(), limit.published);
                EXPECT_LE(value.size(), limit.dialog);
                EXPECT_TRUE(PrintableAscii(value));
            }
            EXPECT_TRUE(p->gateway.empty() || DottedIpv4(p->gateway)) << p->gateway;
            EXPECT_NE(std::find(ports.begin(), ports.end(), p->port), ports.end()) << p->port;
        }
    }
}

TEST(PresetsTest, RowsKeepTheirColumnsTogether) {
    // Spot checks against the carrier-settings tables: each lookup returns every column of one row.
    const auto unicom = GprsPresetAt(0, 1);
    ASSERT_TRUE(unicom.has_value());
    EXPECT_EQ(unicom->apn, "3gnet");
    EXPECT_EQ(unicom->account, "uninet");
    EXPECT_EQ(unicom->password, "");

    const auto att = MmsPresetAt(1, 1);
    ASSERT_TRUE(att.has_value());
    EXPECT_EQ(att->url, "http://mmsc.cingular.com");
    EXPECT_EQ(att->apn, "wap.cingular");
    EXPECT_EQ(att->gateway, "66.209.11.32");
    EXPECT_EQ(att->port, "80");
    EXPECT_EQ(att->account, "WAP@CINGULARGPRS.COM");
    EXPECT_EQ(att->password, "CINGULAR1");

    // Left empty where no published entry exists ("Telstra" in Spain): everything but the port.
    const auto telstra = MmsPresetAt(10, 2);
    ASSERT_TRUE(telstra.has_value());
    EXPECT_EQ(telstra->url, "");
    EXPECT_EQ(telstra->apn, "");
    EXPECT_EQ(telstra->gateway, "");
    EXPECT_EQ(telstra->port, "8080");

    const auto digicel = MmsPresetAt(41, 0);
    ASSERT_TRUE(digicel.has_value());
    EXPECT_EQ(digicel->port, "8080");
}

// Auto mode needs the MMS centre and access point of an MMS row, the access point of a data-access
// row. Exactly these operators have none: three names that match no operator in their country and
// one operator that publishes no MMS settings.
TEST(PresetsTest, ExactlyTheseOperatorsLackTheSettingsAutoModeNeeds) {
    struct Lacking {
        std::string_view country;
        std::string_view operatorName;
        bool operator==(const Lacking&) const = default;
    };
    for (const PresetSet set : {PresetSet::kMms, PresetSet::kGprs}) {
        const auto countries = CountryNames(set, kEnglish);
        std::vector<Lacking> lacking;
        int with = 0;
        for (int c = 0; c < static_cast<int>(countries.size()); ++c) {
            const auto names = OperatorNames(set, c, kEnglish);
            for (int o = 0; o < static_cast<int>(names.size()); ++o) {
                if (PresetHasAutoSettings(set, c, o)) {
                    ++with;
                } else {
                    lacking.push_back(
                        {countries[static_cast<std::size_t>(c)], names[static_cast<std::size_t>(o)]});
                }
            }
            EXPECT_FALSE(PresetHasAutoSettings(set, c, static_cast<int>(names.size()))) << c;
            EXPECT_FALSE(PresetHasAutoSettings(set, c, -1)) << c;
        }
        EXPECT_FALSE(PresetHasAutoSettings(set, static_cast<int>(countries.size()), 0));
        if (set == PresetSet::kMms) {
            EXPECT_EQ(lacking, (std::vector<Lacking>{{"Spain", "Telstra"},
                                                     {"Russia", "A Mobile"},
                                                     {"Australia", "Mic1"},
                                                     {"Namibia", "MTC"}}));
            EXPECT_EQ(with, 118 - 4);
        } else {
            EXPECT_EQ(lacking, std::vector<Lacking>{});
            EXPECT_EQ(with, 106);
        }
    }
    // A row without a gateway still has what Auto mode needs: T-Mobile (United States) publishes its
    // MMS centre but no proxy.
    const auto tmobile = MmsPresetAt(1, 0);
    ASSERT_TRUE(tmobile.has_value());
    EXPECT_EQ(tmobile->url, "http://mms.msg.eng.t-mobile.com/mms/wapenc");
    EXPECT_EQ(tmobile->gateway, "");
    EXPECT_TRUE(PresetHasAutoSettings(PresetSet::kMms, 1, 0));
    const auto bouygues = MmsPresetAt(20, 0);
    ASSERT_TRUE(bouygues.has_value());
    EXPECT_EQ(bouygues->url, "http://mms.bouyguestelecom.fr/mms/wapenc");
}

TEST(PresetsTest, LookupsAtAndBeyondTheEdges) {
    struct Case {
        PresetSet set;
        int country;
        int operatorIndex;
        bool found;
    };
    const std::vector<Case> cases = {
        {PresetSet::kGprs, 0, 0, true},   {PresetSet::kGprs, 3, 7, true},   {PresetSet::kGprs, 3, 8, false},
        {PresetSet::kGprs, 40, 0, true},  {PresetSet::kGprs, 40, 1, false}, {PresetSet::kGprs, 41, 0, false},
        {PresetSet::kGprs, -1, 0, false}, {PresetSet::kGprs, 0, -1, false}, {PresetSet::kGprs, 0, 9, false},
        {PresetSet::kMms, 3, 8, true},    {PresetSet::kMms, 3, 9, false},   {PresetSet::kMms, 41, 0, true},
        {PresetSet::kMms, 41, 1, false},  {PresetSet::kMms, 42, 0, false},  {PresetSet::kMms, -1, 0, false},
        {PresetSet::kMms, 0, 2, false},   {PresetSet::kMms, 128, 0, false}, {PresetSet::kMms, 0, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.set == PresetSet::kGprs ? "gprs " : "mms ") << c.country << "/"
                                        << c.operatorIndex);
        const bool found = c.set == PresetSet::kGprs ? GprsPresetAt(c.country, c.operatorIndex).has_value()
                                                     : MmsPresetAt(c.country, c.operatorIndex).has_value();
        EXPECT_EQ(found, c.found);
    }
    for (int country : {-1, 42, 128}) {
        EXPECT_EQ(OperatorCount(PresetSet::kMms, country), 0);
        EXPECT_TRUE(OperatorNames(PresetSet::kMms, country, kChinese).empty());
    }
    EXPECT_EQ(OperatorCount(PresetSet::kGprs, 41), 0);
    EXPECT_TRUE(OperatorNames(PresetSet::kGprs, 41, kEnglish).empty());
    EXPECT_EQ(OperatorCount(PresetSet::kMms, 41), 1);
}

}  // namespace
}  // namespace corvane
