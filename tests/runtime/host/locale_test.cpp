// The window and archimede write numbers with the same decimal separator in
// every locale, whether or not the C library has that locale generated.

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct LocaleCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> variables;
    const char* separator;
};

QProcessEnvironment localeEnvironment(const LocaleCase& c) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LANG", "LANGUAGE", "LC_ALL", "LC_NUMERIC", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(variable));
    }
    for (const auto& [variable, value] : c.variables) {
        environment.insert(QString::fromLatin1(variable), QString::fromLatin1(value));
    }
    return environment;
}

QString outputOf(const char* program, const QStringList& arguments,
                 const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(UserLocale, TheWindowAndArchimedeWriteTheSameDecimalSeparator) {
    const LocaleCase cases[] = {
        {"it_IT", {{"LANG", "it_IT.UTF-8"}}, ","},
        {"en_US", {{"LANG", "en_US.UTF-8"}}, "."},
        {"de_CH", {{"LANG", "de_CH.UTF-8"}}, "."},
        {"en_ZA", {{"LANG", "en_ZA.UTF-8"}}, ","},
        {"fr_FR", {{"LANG", "fr_FR.UTF-8"}}, ","},
        {"C", {{"LANG", "C"}}, "."},
        {"LC_NUMERIC over LANG", {{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "it_IT.UTF-8"}}, ","},
        {"LC_ALL over both",
         {{"LANG", "it_IT.UTF-8"}, {"LC_NUMERIC", "it_IT.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}},
         "."},
    };
    // "3,00000000 < costante < 3,46410162", in either language: the separator
    // after the first 3.
    const QRegularExpression bounds(QStringLiteral("3(.)00000000 < "));
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QProcessEnvironment environment = localeEnvironment(c);
        EXPECT_EQ(outputOf(LAVORO1_DECIMAL_SEPARATOR_PROBE, {}, environment).trimmed(),
                  c.separator);
        const QRegularExpressionMatch match =
            bounds.match(outputOf(LAVORO1_ARCHIMEDE, {QStringLiteral("1")}, environment));
        ASSERT_TRUE(match.hasMatch());
        EXPECT_EQ(match.captured(1), c.separator);
    }
}

} // namespace
