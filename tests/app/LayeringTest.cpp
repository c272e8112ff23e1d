// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layers of docs/ARCHITECTURE.md, checked on the source tree: which
// folder may include which, forms only from their own folder and the
// composition root, no waiting inside an event handler, and which library
// links which.
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

namespace {

// Our libraries as the folders' CMakeLists.txt declare them: what each links,
// and its sources.
struct Library {
    std::set<QString> links;
    QStringList sources;
    bool rules = false;
    bool widgets = false;
};

std::map<QString, Library> libraries()
{
    static const QRegularExpression declared(
        QStringLiteral("(orbeta_rules_library|orbeta_ui_library|add_library)\\((\\w+)([^)]*)\\)"));
    static const QRegularExpression linked(QStringLiteral("target_link_libraries\\((\\w+)([^)]*)\\)"));
    std::map<QString, Library> all;
    for (const auto& [folder, allowed] : kAllowed) {
        QFile file(sourceDir() + QLatin1Char('/') + folder + QStringLiteral("/CMakeLists.txt"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        auto declarations = declared.globalMatch(text);
        while (declarations.hasNext()) {
            const auto match = declarations.next();
            Library& library = all[match.captured(2)];
            library.rules = match.captured(1) == QLatin1String("orbeta_rules_library");
            library.widgets = match.captured(1) == QLatin1String("orbeta_ui_library");
            for (const QString& word : match.captured(3).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                if (word.endsWith(QLatin1String(".cpp")))
                    library.sources << folder + QLatin1Char('/') + word;
        }
        auto links = linked.globalMatch(text);
        while (links.hasNext()) {
            const auto match = links.next();
            for (const QString& word : match.captured(2).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                all[match.captured(1)].links.insert(word);
        }
    }
    return all;
}

// Everything `name` links, through our libraries too.
std::set<QString> reachable(const std::map<QString, Library>& all, const QString& name)
{
    std::set<QString> seen;
    std::vector<QString> open{name};
    while (!open.empty()) {
        const QString next = open.back();
        open.pop_back();
        const auto library = all.find(next);
        if (library == all.end())
            continue;
        for (const QString& link : library->second.links)
            if (seen.insert(link).second)
                open.push_back(link);
    }
    return seen;
}

} // namespace

// A rules core has no window and no disk: it links neither Qt's GUI nor a
// library of files or forms, and none of its sources opens a file. The
// shell's core is the one place that opens files, safely, for the others.
TEST(Layering, RulesCoresLinkNeitherTheGuiNorAFileLibrary)
{
    const std::map<QString, Library> all = libraries();
    int cores = 0;
    for (const auto& [name, library] : all) {
        if (!library.rules || name == QLatin1String("orbeta_shell_core"))
            continue;
        ++cores;
        SCOPED_TRACE(name.toStdString());
        for (const QString& link : reachable(all, name)) {
            EXPECT_NE(link, QStringLiteral("Qt6::Gui"));
            EXPECT_NE(link, QStringLiteral("Qt6::Widgets"));
            EXPECT_FALSE(link.endsWith(QLatin1String("_files"))) << link.toStdString();
            const auto linkedLibrary = all.find(link);
            EXPECT_FALSE(linkedLibrary != all.end() && linkedLibrary->second.widgets) << link.toStdString();
        }
        for (const QString& source : library.sources) {
            QFile file(sourceDir() + QLatin1Char('/') + source);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << source.toStdString();
            EXPECT_FALSE(file.readAll().contains("shell/SafeFile.h")) << source.toStdString();
        }
    }
    EXPECT_GE(cores, 8);
}
