// The layers of docs/ARCHITECTURE.md, checked on the source tree: which
// folder may include which, forms only from their own folder and the
// composition root, and no waiting inside an event handler.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("ORBETA_SOURCE_DIR");
}

// Every program source of a folder with its text.
std::map<QString, QString> sources(const QString& folder)
{
    std::map<QString, QString> files;
    QDirIterator it(sourceDir() + QLatin1Char('/') + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files[QDir(sourceDir()).relativeFilePath(file.fileName())] = QString::fromUtf8(file.readAll());
    }
    return files;
}

// Which folders a folder's files may include, itself aside. A folder below
// never includes one above, so the folders form no circle.
const std::map<QString, std::set<QString>> kAllowed = {
    {"tasks", {}},
    {"look", {"tasks"}},
    {"shell", {"tasks", "look"}},
    {"calc", {"tasks", "look", "shell"}},
    {"menu", {"tasks", "look", "shell"}},
    {"results", {"tasks", "look", "shell"}},
    {"optics", {"tasks", "look", "shell"}},
    {"history", {"tasks", "look", "shell"}},
    {"print", {"tasks", "look", "shell", "calc", "optics", "results", "history"}},
    {"cli", {"tasks", "shell", "calc", "optics", "results", "history", "print"}},
    {"art", {"tasks", "look"}},
    {"app", {"tasks", "look", "shell", "calc", "menu", "optics", "results", "history", "print"}},
};

const QRegularExpression kInclude(QStringLiteral("^#include \"([a-z]+)/([A-Za-z0-9_]+)\\.h\""),
                                  QRegularExpression::MultilineOption);

} // namespace

TEST(Layering, FoldersIncludeOnlyTheLayersBelow)
{
    for (const auto& [folder, allowed] : kAllowed) {
        for (const auto& [path, text] : sources(folder)) {
            auto matches = kInclude.globalMatch(text);
            while (matches.hasNext()) {
                const auto match = matches.next();
                const QString target = match.captured(1);
                const QString header = match.captured(2);
                SCOPED_TRACE(path.toStdString() + " includes " + match.captured(0).toStdString());
                EXPECT_TRUE(target == folder || allowed.contains(target));
                // A form is included by its own folder and by the composition root only.
                if (header.startsWith(QLatin1String("Frm"))) {
                    EXPECT_TRUE(target == folder || folder == QLatin1String("app"));
                }
            }
        }
    }
}

TEST(Layering, NothingWaitsInsideAnEventHandler)
{
    static const QRegularExpression waiting(
        QStringLiteral("processEvents|QEventLoop|sleep_for|usleep|DelayWithEvents|DelayBusy"));
    for (const auto& [folder, allowed] : kAllowed) {
        for (const auto& [path, text] : sources(folder)) {
            EXPECT_FALSE(waiting.match(text).hasMatch()) << path.toStdString();
        }
    }
}

// Worksheets are drawn without a window, so that the command line makes them
// with no display: the print library and the command line use no widget.
TEST(Layering, WorksheetsNeedNoWidgets)
{
    static const QRegularExpression widgets(
        QStringLiteral("#include <(QWidget|QApplication|QPrinter|QPrintDialog|QtWidgets|QMessageBox)"));
    for (const char* folder : {"print", "cli"}) {
        for (const auto& [path, text] : sources(QString::fromLatin1(folder))) {
            EXPECT_FALSE(widgets.match(text).hasMatch()) << path.toStdString();
        }
    }
}
