#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "Identity.h"

namespace cindrel {

namespace {

/// How an option takes its value.
enum class Value {
    None,       ///< a flag
    Next,       ///< only as the next argument: -platform wayland
    NextOrJoin, ///< also joined by "=": -style=Fusion
};

/// Qt's standard options, which QGuiApplication, QApplication and the
/// platform plugins take out of the arguments themselves. They are known
/// here only so that they are not refused. Qt accepts each with one dash or
/// two. The list is a copy because Qt offers none: its options are known
/// only to the application object, which takes them out while it is
/// constructed, and that needs a display, while the command line is read
/// before (--version answers over ssh too).
struct QtOption {
    const char *name;
    Value value;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
    {"platform", Value::Next}, {"platformpluginpath", Value::Next}, {"platformtheme", Value::Next},
    {"plugin", Value::Next}, {"qwindowgeometry", Value::Next}, {"geometry", Value::Next},
    {"qwindowicon", Value::Next}, {"icon", Value::Next}, {"qwindowtitle", Value::Next}, {"title", Value::Next},
    {"session", Value::Next}, {"display", Value::Next}, {"name", Value::Next}, {"visual", Value::Next},
    {"style", Value::NextOrJoin}, {"stylesheet", Value::NextOrJoin},
    {"reverse", Value::None}, {"widgetcount", Value::None}, {"testability", Value::None},
    {"nograb", Value::None}, {"dograb", Value::None},
};
// clang-format on

/// How the option of that name (without dashes) takes its value; the
/// program's own options are flags.
Value valueOf(const QString &name)
{
    for (const QtOption &option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return option.value;
    }
    return Value::None;
}

/// An option as typed, up to any "=value", and its name without dashes.
struct TypedOption {
    QString typed;
    QString name;
    bool joinedValue = false;
    bool last = false;
};

/// The options among the arguments, in order, up to a "--".
QList<TypedOption> typedOptions(const QStringList &arguments)
{
    QList<TypedOption> options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        TypedOption option;
        option.typed = argument.section(QLatin1Char('='), 0, 0);
        option.joinedValue = argument.contains(QLatin1Char('='));
        option.last = i == arguments.size() - 1;
        option.name = option.typed;
        while (option.name.startsWith(QLatin1Char('-')))
            option.name.remove(0, 1);
        options << option;
    }
    return options;
}

/// What is wrong with the value of a known option, or an empty text: a value
/// given to a flag, a value joined by "=" where Qt would not read it (it
/// would start on the platform it found by itself), or a missing value.
QString valueProblem(const TypedOption &option)
{
    const Value value = valueOf(option.name);
    if (value == Value::None && option.joinedValue)
        return QCoreApplication::translate("CommandLine", "option '%1' takes no value").arg(option.typed);
    if (value == Value::Next && option.joinedValue)
        return QCoreApplication::translate("CommandLine", "option '%1' takes its value as the next argument")
            .arg(option.typed);
    if (value != Value::None && !option.joinedValue && option.last)
        return QCoreApplication::translate("CommandLine", "option '%1' needs a value").arg(option.typed);
    return {};
}

CommandLineRequest refuse(const QString &program, const QString &problem)
{
    const QString hint =
        QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.").arg(program);
    return {CommandLineRequest::Action::Refuse,
            program + QStringLiteral(": ") + problem + QLatin1Char('\n') + hint + QLatin1Char('\n'),
            kUsageExitCode};
}

} // namespace

CommandLineRequest readCommandLine(const QStringList &arguments)
{
    // The name the user typed the program by, as a shell tool names itself.
    const QString program = arguments.isEmpty() ? applicationTitle().toLower()
                                                : QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    // Qt's options are words after one dash (-platform), so one dash starts
    // a long option here too, not a cluster of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Measures a smoker's dependence on nicotine: six questions, a score from\n"
                       "0 to 10 and a verdict."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the program's name and version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option{QLatin1String(qt.name)};
        if (qt.value != Value::None)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(arguments);
    const QStringList unknown = parser.unknownOptionNames();
    for (const TypedOption &option : typedOptions(arguments)) {
        if (unknown.contains(option.name))
            return refuse(program,
                          QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(option.typed));
        if (const QString problem = valueProblem(option); !problem.isEmpty())
            return refuse(program, problem);
    }
    if (!parsed) // nothing above explains it; Qt's own message names the option
        return refuse(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(program, QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                                   .arg(parser.positionalArguments().constFirst()));

    if (parser.isSet(help)) {
        const QString more = QCoreApplication::translate("CommandLine",
                                                         "Qt's standard options work as well, among them\n"
                                                         "-platform NAME (wayland or xcb), -style NAME and "
                                                         "-reverse.\n"
                                                         "The manual page %1(1) has the details.")
                                 .arg(program);
        return {CommandLineRequest::Action::ShowHelp,
                parser.helpText() + QLatin1Char('\n') + more + QLatin1Char('\n'), 0};
    }
    if (parser.isSet(version)) {
        //: The version line: the program's name, then its version.
        const QString line =
            QCoreApplication::translate("CommandLine", "%1 %2").arg(applicationTitle(), applicationVersion());
        return {CommandLineRequest::Action::ShowVersion, line + QLatin1Char('\n'), 0};
    }
    return {};
}

} // namespace cindrel
