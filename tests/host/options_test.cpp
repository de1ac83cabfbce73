// The launcher's command line: values reach the options, every refusal
// keeps its message, and --help lists exactly the options parsing knows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/option_table.hpp"
#include "host/core/options.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek {
namespace {

ParsedOptions parse(std::vector<std::string> arguments) { return parseOptions(arguments); }

TEST(Options, ValuesReachTheOptions) {
    const ParsedOptions parsed =
        parse({"--plugin", "p.dll", "--run", "3", "--record-size", "Tzak_dok=-2", "--no-table", "Tzak", "--missing",
               "52256,7", "--seed", "18446744073709551615", "--report", "--fail-call", "52256:2", "--host-variant",
               "findfirst,lazy-text", "--host-variant", "raw-paths"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const HostOptions& o = *parsed.options;
    EXPECT_EQ(o.pluginPath, "p.dll");
    EXPECT_EQ(o.runs, 3);
    EXPECT_EQ(o.recordSizes.at(kz::kTabelaTzakDok), -2);
    EXPECT_EQ(o.noTables, std::set<int>{kz::kTabelaTzak});
    EXPECT_EQ(o.missing, (std::set<std::uint16_t>{7, 52256}));
    EXPECT_EQ(o.seed, 18446744073709551615u);
    EXPECT_TRUE(o.report);
    EXPECT_FALSE(o.debugger);
    ASSERT_TRUE(o.failCall);
    EXPECT_EQ(o.failCall->ordinal, 52256);
    EXPECT_EQ(o.failCall->nth, 2);
    EXPECT_EQ(parse({"--plugin", "p", "--fail-call", "40503"}).options->failCall->nth, 1);
    EXPECT_EQ(o.hostVariants,
              bitOf(HostVariant::Findfirst) | bitOf(HostVariant::LazyText) | bitOf(HostVariant::RawPaths));
    HostVariants every = 0;
    for (const HostVariantRow& row : hostVariantRows()) every |= bitOf(row.variant);
    EXPECT_EQ(parse({"--plugin", "p", "--host-variant", "all"}).options->hostVariants, every);
}

TEST(Options, RefusalsSayWhatIsWrong) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--plugin", "p", "--bogus"}, "unknown option --bogus"},
        {{"--plugin", "p", "--log"}, "option --log needs a value"},
        {{"--run", "2"}, "--plugin PATH is required"},
        {{"--plugin", "p", "--run", "-1"}, "--run needs a count, not -1"},
        {{"--plugin", "p", "--no-table", "tzak"}, "--no-table takes Tzak, Tzak_dok or a number, not tzak"},
        {{"--plugin", "p", "--record-size", "Tzak=40000"}, "--record-size takes TABLE=N, not Tzak=40000"},
        {{"--plugin", "p", "--missing", "1,,2"}, "--missing takes ordinals, not "},
        {{"--generate", "100000001"}, "--generate needs a count from 0 to 100000000, not 100000001"},
        {{"--plugin", "p", "--seed", "-1"}, "--seed needs a whole number from 0, not -1"},
        {{"--plugin", "p", "--fail-at", "0"}, "--fail-at needs a count from 1, not 0"},
        {{"--plugin", "p", "--fail-call", "52256:0"}, "--fail-call takes ORD or ORD:N (N from 1), not 52256:0"},
        {{"--plugin", "p", "--fail-call", "x"}, "--fail-call takes ORD or ORD:N (N from 1), not x"},
        {{"--plugin", "p", "--host-variant", "findfirst,raw"},
         "--host-variant takes close-answers-one, print-answers-zero, findfirst, raw-paths, lazy-text, "
         "wide-objects, descriptor-writes, dirs-too, search-stops-early, short-names or all, not raw"},
    };
    for (const auto& [arguments, error] : cases) {
        const ParsedOptions parsed = parse(arguments);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.error, error);
    }
}

TEST(Options, HelpListsEveryOptionOnceWithItsFactsFilledIn) {
    EXPECT_FALSE(parse({"--run", "x", "-h"}).help) << "a refusal before -h stands";
    EXPECT_TRUE(parse({"-h", "--bogus"}).help);
    const std::string help = helpText();
    EXPECT_EQ(help.find('{'), std::string::npos) << help;
    for (const OptionRow& row : optionRows()) {
        const std::string name(row.name);
        const std::string entry = "\n  " + name + " " + std::string(row.value);
        EXPECT_NE(help.find(entry), std::string::npos) << entry;
        EXPECT_EQ(help.find(entry), help.rfind(entry)) << entry;
        if (!row.value.empty()) {
            EXPECT_EQ(parse({"--plugin", "p", name}).error, "option " + name + " needs a value");
        }
    }
    for (const HostVariantRow& row : hostVariantRows()) {
        const std::string entry = "\n  " + std::string(row.name) + " ";
        EXPECT_NE(help.find(entry), std::string::npos) << entry;
    }
}

}  // namespace
}  // namespace hadrek
