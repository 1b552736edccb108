#pragma once
// The program's command line: --help, --version, and Qt's own standard
// options (-platform, -style, -reverse, ...), which pass through to Qt.
// Reading it needs neither a display nor an application object, so a user
// can ask for the version in a terminal without a graphical session.

#include <QString>
#include <QStringList>

namespace cindrel {

/// What the command line asks for, and what to answer on the terminal.
struct CommandLineRequest {
    enum class Action {
        Run,         ///< start the program (Qt's options are left for Qt)
        ShowHelp,    ///< print text on standard output, exit with exitCode (0)
        ShowVersion, ///< print text on standard output, exit with exitCode (0)
        Refuse,      ///< print text on standard error, exit with exitCode (2)
    };
    Action action = Action::Run;
    /// The help, the version line, or the error with a hint to --help; each
    /// ends with a line break. Empty for Run.
    QString text;
    int exitCode = 0;
};

/// The exit status of a command line the program does not understand.
inline constexpr int kUsageExitCode = 2;

/// Reads the arguments, the program's path first (as in argv). An unknown
/// option, an option without its value and any argument that is not an
/// option are refused; otherwise --help wins over --version, and both win
/// over running. The texts go through the translation system, so they come
/// out translated once translations are installed in the running
/// QCoreApplication; without one they are the English originals.
CommandLineRequest readCommandLine(const QStringList &arguments);

} // namespace cindrel
