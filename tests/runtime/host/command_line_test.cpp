#include "runtime/host/command_line.hpp"

#include <gtest/gtest.h>

namespace {

using runtime::host::CommandLine;
using Action = CommandLine::Action;

runtime::host::CommandLineSyntax syntax(bool withPositional) {
    runtime::host::CommandLineSyntax made{
        .executableName = QStringLiteral("prova"),
        .versionLine = QStringLiteral("Prova 1.00"),
        .summary = QStringLiteral("Una prova."),
        .options = {QCommandLineOption(QStringLiteral("esempio"),
                                       QStringLiteral("Un'opzione in piu'."))},
        .positionalName = {},
        .positionalDescription = {},
    };
    if (withPositional) {
        made.positionalName = QStringLiteral("PASSI");
        made.positionalDescription = QStringLiteral("Il numero di passi.");
    }
    return made;
}

struct CommandLineCase {
    QStringList arguments;
    Action action;
    const char* text; // the whole text, or for a refusal its reason
    const char* platform;
};

TEST(ReadCommandLine, AnswersHelpVersionAndWrongOptionsAndPassesQtsOwnOn) {
    const CommandLineCase cases[] = {
        {{}, Action::Run, "", ""},
        {{"--version"}, Action::ShowVersion, "Prova 1.00\n", ""},
        {{"-v"}, Action::ShowVersion, "Prova 1.00\n", ""},
        {{"-platform", "offscreen", "--version"}, Action::ShowVersion, "Prova 1.00\n", ""},
        {{"-platform", "offscreen"}, Action::Run, "", "offscreen"},
        {{"--platform=minimal"}, Action::Run, "", "minimal"},
        {{"-style", "fusion", "-reverse", "-session", "1234_5", "-qwindowtitle", "x"},
         Action::Run,
         "",
         ""},
        {{"--esempio"}, Action::Run, "", ""},
        {{"--nessuna"}, Action::Refuse, "opzione sconosciuta '--nessuna'", ""},
        {{"-x"}, Action::Refuse, "opzione sconosciuta '-x'", ""},
        {{"-platform"}, Action::Refuse, "manca il valore dopo '-platform'", ""},
        {{"--version=2"}, Action::Refuse, "l'opzione '--version' non accetta un valore", ""},
        {{"5"}, Action::Refuse, "argomento inatteso '5'", ""},
        {{"--a\nb"}, Action::Refuse, "opzione sconosciuta '--a\\nb'", ""},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine read =
            readCommandLine(syntax(false), QStringList{QStringLiteral("prova")} + c.arguments);
        EXPECT_EQ(read.action, c.action);
        if (c.action == Action::Refuse) {
            EXPECT_EQ(read.text.toStdString(),
                      std::string("prova: ") + c.text + ". Vedere 'prova --help'.");
        } else {
            EXPECT_EQ(read.text.toStdString(), c.text);
        }
        EXPECT_EQ(read.platform.toStdString(), c.platform);
        EXPECT_EQ(read.parser != nullptr, c.action == Action::Run);
    }
}

TEST(ReadCommandLine, TakesOnePositionalArgumentWhereTheApplicationHasOne) {
    const CommandLine one = readCommandLine(syntax(true), {"prova", "--esempio", "5"});
    ASSERT_EQ(one.action, Action::Run);
    EXPECT_EQ(one.parser->positionalArguments(), QStringList{"5"});
    EXPECT_EQ(readCommandLine(syntax(true), {"prova", "5", "6"}).action, Action::Refuse);
}

TEST(HelpText, ListsEveryOptionAndThePositionalArgumentInItalian) {
    const QString help = runtime::host::helpText(syntax(true));
    EXPECT_TRUE(help.startsWith("Uso: prova [opzioni] [PASSI]\nUna prova.\n"))
        << help.toStdString();
    for (const char* line : {"  -h, --help     Mostra questo aiuto ed esce.\n", "  -v, --version  ",
                             "  --esempio   ", "  PASSI   ", "-platform NOME"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << help.toStdString();
    }
    EXPECT_FALSE(help.contains("-session valore")) << "Qt's options are not listed one by one";
}

} // namespace
