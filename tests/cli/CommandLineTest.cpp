// Every command reads its line the same way: help, unknown options, "--", values and operands
// beginning with "-", options in any order.
#include <gtest/gtest.h>

#include "RunCli.h"
#include "cli/Command.h"

namespace {
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(CommandLine, EveryCommandHasItsHelp) {
    const CliResult overview = RunCli({"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_TRUE(Contains(overview.out, "Exit status: 0 done; 1 "));
    for (const Cli::CommandDef* command : Cli::Commands()) {
        const std::string name(command->name);
        EXPECT_TRUE(Contains(overview.out, "\n  " + name + " ")) << name;
        const CliResult help = RunCli({name, "--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind("Usage: selvanor-cli " + name, 0), 0u) << help.out;
        EXPECT_TRUE(Contains(help.out, "Exit status: 0 done")) << name;
        for (const Cli::OptionDef& option : command->options)
            EXPECT_TRUE(Contains(help.out, "\n  " + std::string(option.name))) << name << " " << option.name;
        EXPECT_EQ(RunCli({"help", name}).out, help.out) << name;
        EXPECT_EQ(RunCli({name, "-h"}).out, help.out) << name;
        // Help wins over operands, wherever it stands before "--".
        EXPECT_EQ(RunCli({name, "x", "y", "z", "-h"}).out, help.out) << name;
    }
    const CliResult none = RunCli({});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, overview.out);
    EXPECT_EQ(RunCli({"frobnicate"}).err, "selvanor-cli: unknown command frobnicate (see selvanor-cli --help)\n");
    EXPECT_EQ(RunCli({"help", "frobnicate"}).status, 1);
}

TEST(CommandLine, AnUnknownOptionNamesTheCommandAndItsHelp) {
    for (const Cli::CommandDef* command : Cli::Commands()) {
        const std::string name(command->name);
        for (const char* option : {"--frobnicate", "-x", "--frobnicate=1"}) {
            const CliResult r = RunCli({name, option});
            EXPECT_EQ(r.status, 1) << name;
            EXPECT_EQ(r.err, "selvanor-cli " + name + ": unknown option " + std::string(option).substr(0, 12) +
                                 " (see selvanor-cli help " + name + ")\n");
            EXPECT_TRUE(r.out.empty());
        }
    }
}

// The same request written in different ways gives the same output in every command.
TEST(CommandLine, OptionsReadAlikeInEveryCommand) {
    struct Row {
        std::vector<std::string> plain, other;
    } rows[] = {
        // A value beginning with "-", after a blank or an equals sign.
        {{"phases", "--from", "-44-03-01 JC", "--to", "-44-03-31 JC", "--zone", "-08:00"},
         {"phases", "--zone=-08:00", "--to=-44-03-31 JC", "--from=-44-03-01 JC"}},
        {{"lunation", "--calendar", "DVG", "--number", "-5"}, {"lunation", "--number=-5", "--calendar=dvg"}},
        {{"eclipses", "--from", "-100-01-01 CE", "--to", "-99-01-01 CE", "--csv"},
         {"eclipses", "--csv", "--from=-100-01-01 CE", "--to", "-99-01-01 CE"}},
        // Operands beginning with "-" with and without "--", options before and after them.
        {{"convert", "--json", "--", "-44-03-15 JC"}, {"convert", "-44-03-15 JC", "--json"}},
        {{"move", "--step", "1 day", "--count", "2", "--", "-44-03-15 JC"},
         {"move", "-44-03-15 JC", "--count=2", "--step=1 day"}},
        {{"saros", "--lunar", "--", "-5"}, {"saros", "-5", "--lunar"}},
        {{"search", "next", "Full moon", "--from", "-44-03-15 JC"},
         {"search", "--from=-44-03-15 JC", "--", "next", "Full moon"}},
        {{"ics", "--calendar", "ARC", "--from", "2025-01-01 CE", "--to", "2025-03-01 CE"},
         {"ics", "--to=2025-03-01 CE", "--calendar=arc", "--from", "2025-01-01 CE"}},
    };
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    for (const Row& row : rows) {
        const CliResult plain = RunCli(row.plain);
        EXPECT_NE(plain.status, 1) << row.plain[0] << plain.err;
        const CliResult other = RunCli(row.other);
        EXPECT_EQ(other.status, plain.status) << row.other[0] << other.err;
        EXPECT_EQ(other.out, plain.out) << row.other[0];
        EXPECT_FALSE(plain.out.empty()) << row.plain[0];
    }
    unsetenv("SOURCE_DATE_EPOCH");
    struct Mistake {
        std::vector<std::string> args;
        std::string message;
    } mistakes[] = {
        {{"phases", "--from"}, "--from needs a value, ENTRY"},
        {{"eclipses", "--csv=yes"}, "--csv takes no value"},
        {{"phases", "--from", "2000-01-01 CE", "--to", "2000-02-01 CE", "extra"}, "unexpected extra"},
        {{"convert", "--jsno", "2000-01-01 CE"}, "unknown option --jsno; did you mean --json? (see"},
    };
    for (const Mistake& mistake : mistakes) {
        const CliResult r = RunCli(mistake.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.err, mistake.message)) << r.err;
    }
}
