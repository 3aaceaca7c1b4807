#include "CInstallOptions.h"

#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The switches that are on, in field order, separated by spaces.
std::string Describe(const CInstallOptions& o)
{
    std::string text;
    const std::pair<bool, const char*> flags[] = {
        {o.Silent, "Silent"},
        {o.Upgrade, "Upgrade"},
        {o.NoAssociations, "NoAssociations"},
        {o.NoDependencies, "NoDependencies"},
        {o.NoUpgrade, "NoUpgrade"},
        {o.NoRun, "NoRun"},
        {o.NoDriver, "NoDriver"},
    };
    for (const auto& [on, name] : flags) {
        if (on)
            text += text.empty() ? name : std::string(" ") + name;
    }
    return text;
}

} // namespace

TEST(CInstallOptions, ParsesOptionsByCaseInsensitivePrefix)
{
    struct Case {
        const BXChar* text;
        const char* expected;
        const BXChar* distributor;
    };
    const Case cases[] = {
        {u"", "", u""},
        {u"Silent", "", u""}, // no slash: nothing
        {u"/Silent", "Silent", u""},
        {u"/sIlEnT", "Silent", u""},
        {u"/SilentMode", "Silent", u""},
        {u"/NoUpgrade", "NoUpgrade", u""},
        {u"/Upgrade now", "Upgrade", u""},
        {u"/Silent/NoRun", "Silent NoRun", u""},
        {u"/NoAssociations /NoDependencies /NoDriver", "NoAssociations NoDependencies NoDriver", u""},
        {u"/Bogus /Silentx", "Silent", u""},
        {u"/DistributorID 1234", "", u"1234"},
        {u"/DistributorID", "", u""},
        {u"/DistributorID 1 /DistributorID  77  /Silent", "Silent", u"77"},
        {u"/DistributorID \"A B\"", "", u"\"A B\""},
        {u"/DistributorID C:\\x/y", "", u"C:\\x"},
        {u"//Silent", "Silent", u""},
    };
    for (const Case& c : cases) {
        CInstallOptions options;
        EXPECT_TRUE(options.Parse(BXString(c.text)));
        EXPECT_EQ(Describe(options), c.expected) << "for " << BXString(c.text).ToUtf8().Get();
        EXPECT_EQ(options.DistributorID, BXString(c.distributor)) << "for " << BXString(c.text).ToUtf8().Get();
        EXPECT_TRUE(options.AllowDowngrade);
    }
}

TEST(CInstallOptions, QuotedDistributorSurvivesTheJoin)
{
    const BXStringArray arguments = SplitCommandLine(u"/DistributorID \"Big Shop\" /NoRun");
    CInstallOptions options;
    options.Parse(JoinCommandLine(arguments));
    EXPECT_EQ(options.DistributorID, BXString(u"\"Big Shop\""));
    EXPECT_TRUE(options.NoRun);
}
