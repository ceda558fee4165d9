// tsql FILE: runs the T-SQL text of standard input on an embedded database file through the
// program's own database layer (translation, functions and the TSQLCI collation included).
// Batches are separated by lines holding only GO. The first error stops the run.

#include "ResultPrinter.h"

#include "platform/ado/Connection.h"
#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QStringList batches(const QString &text)
{
    static const QRegularExpression separator(QStringLiteral("^[ \\t]*GO[ \\t]*\\r?$"),
                                              QRegularExpression::CaseInsensitiveOption
                                                  | QRegularExpression::MultilineOption);
    QStringList found;
    for (const QString &batch : text.split(separator)) {
        if (!batch.trimmed().isEmpty())
            found.append(batch);
    }
    return found;
}

// The file opened directly, as the Jet providers open theirs; quotes keep any ';' in the path.
QString connectionStringFor(const QString &file)
{
    QString quoted = file;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";").arg(quoted);
}

int reportError(const rt::RuntimeError &error, const ado::Connection &connection)
{
    const long native = connection.Errors().Count() > 0 ? connection.Errors()(0).NativeError : 0;
    QTextStream(stderr) << QStringLiteral("error %1 %2 %3").arg(error.Number).arg(native).arg(error.Description)
                        << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: tsql FILE < statements.sql" << Qt::endl;
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QString text = QString::fromUtf8(input.readAll());

    QTextStream out(stdout);
    ResultPrinter printer(out);
    ado::Connection connection;
    try {
        connection.Open(connectionStringFor(arguments.at(1)));
        for (const QString &batch : batches(text)) {
            long affected = -1;
            ado::Recordset result = connection.Execute(batch, &affected);
            if (result.State() == ado::adStateOpen)
                printer.printRows(result);
            else
                printer.printAffected(affected);
            out.flush();
        }
    } catch (const rt::RuntimeError &error) {
        out.flush();
        return reportError(error, connection);
    }
    return 0;
}
