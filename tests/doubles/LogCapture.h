#pragma once
// Catches what the program logs while a LogCapture lives. Lines of Qt's own
// categories still go to the handler that was there before.

#include <QString>
#include <QtGlobal>
#include <vector>

namespace cindrel::testing {

struct LoggedLine {
    QtMsgType type;
    QString category;
    QString message;
};

class LogCapture {
public:
    LogCapture()
    {
        lines().clear();
        previous() = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(previous()); }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    /// The lines logged in the program's categories (cindrel.*), in order.
    const std::vector<LoggedLine> &programLines() const { return lines(); }

private:
    static std::vector<LoggedLine> &lines()
    {
        static std::vector<LoggedLine> caught;
        return caught;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        const QString category = QString::fromLatin1(context.category ? context.category : "");
        if (category.startsWith(QLatin1String("cindrel.")))
            lines().push_back({type, category, message});
        else if (previous())
            previous()(type, context, message);
    }
};

} // namespace cindrel::testing
