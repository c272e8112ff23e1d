// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layers of docs/ARCHITECTURE.md, checked on the source tree: which
// folder may include which, forms only from their own folder and the
// composition root, no waiting inside an event handler, and which library
// links which. (That worksheets need no widgets the build itself sees: the
// print library and the command line have no widget headers to include.)
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

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
    {"formats", {}},
    {"files", {"formats"}},
    {"services", {"tasks", "look", "formats", "files"}},
    {"screen", {"tasks", "look", "formats", "files", "services"}},
    {"frame", {"tasks", "look", "formats", "files", "services", "screen"}},
    {"startup", {"tasks", "look", "formats", "files", "services", "screen"}},
    {"calc", {"tasks", "look", "formats", "files", "services", "screen", "frame"}},
    {"menu", {"tasks", "look", "formats", "files", "services", "screen", "frame", "startup"}},
    {"results", {"tasks", "look", "formats", "files", "services", "screen", "frame"}},
    {"optics", {"tasks", "look", "formats", "files", "services", "screen", "frame"}},
    {"history", {"tasks", "look", "formats", "files", "services", "screen", "frame"}},
    {"print", {"tasks", "look", "formats", "frame", "calc", "optics", "results", "history"}},
    {"cli", {"tasks", "formats", "files", "frame", "calc", "optics", "results", "history", "print"}},
    {"art", {"tasks", "look"}},
    {"app", {"tasks", "look", "formats", "files", "services", "screen", "frame", "startup", "calc", "menu", "optics",
             "results", "history", "print"}},
};

// The folder of an include and its header's name; a folder's rooms (calc/rules/)
// count as the folder.
const QRegularExpression kInclude(QStringLiteral("^#include \"([a-z]+)/(?:[a-z]+/)*([A-Za-z0-9_]+)\\.h\""),
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

namespace {

// Our libraries as the folders' CMakeLists.txt declare them: what each links,
// and its sources, those added by target_sources too.
struct Library {
    std::set<QString> links;
    QStringList sources;
    bool rules = false;
    bool widgets = false;
};

QStringList words(const QString& text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

std::map<QString, Library> libraries(const QString& root)
{
    static const QRegularExpression declared(
        QStringLiteral("(orbeta_rules_library|orbeta_ui_library|add_library)\\((\\w+)([^)]*)\\)"));
    static const QRegularExpression added(QStringLiteral("target_sources\\((\\w+)([^)]*)\\)"));
    static const QRegularExpression linked(QStringLiteral("target_link_libraries\\((\\w+)([^)]*)\\)"));
    std::map<QString, Library> all;
    for (const auto& [folder, allowed] : kAllowed) {
        QFile file(root + QLatin1Char('/') + folder + QStringLiteral("/CMakeLists.txt"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const auto addSources = [&folder](Library& library, const QString& list) {
            for (const QString& word : words(list))
                if (word.endsWith(QLatin1String(".cpp")))
                    library.sources << folder + QLatin1Char('/') + word;
        };
        auto declarations = declared.globalMatch(text);
        while (declarations.hasNext()) {
            const auto match = declarations.next();
            Library& library = all[match.captured(2)];
            library.rules = match.captured(1) == QLatin1String("orbeta_rules_library");
            library.widgets = match.captured(1) == QLatin1String("orbeta_ui_library");
            addSources(library, match.captured(3));
        }
        auto additions = added.globalMatch(text);
        while (additions.hasNext()) {
            const auto match = additions.next();
            addSources(all[match.captured(1)], match.captured(2));
        }
        auto links = linked.globalMatch(text);
        while (links.hasNext()) {
            const auto match = links.next();
            for (const QString& word : words(match.captured(2)))
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

// The text of a source and of the header beside it.
QString sourceText(const QString& root, const QString& source)
{
    QString text;
    for (const QString& path : {source, source.chopped(4) + QStringLiteral(".h")}) {
        QFile file(root + QLatin1Char('/') + path);
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

// What a rules core breaks: each message names the library and the reason.
QStringList coreViolations(const QString& root)
{
    static const QRegularExpression disk(QStringLiteral(
        "#include <(QFile|QFileInfo|fstream)>|\\bQDir|\\bQSaveFile\\b|\\bQLockFile\\b|\\bstd::[io]?fstream\\b"
        "|#include \"files/"));
    QStringList violations;
    const std::map<QString, Library> all = libraries(root);
    for (const auto& [name, library] : all) {
        if (!library.rules)
            continue;
        for (const QString& link : reachable(all, name)) {
            const auto linkedLibrary = all.find(link);
            if (link == QLatin1String("Qt6::Gui") || link == QLatin1String("Qt6::Widgets")
                || link.endsWith(QLatin1String("_files"))
                || (linkedLibrary != all.end() && linkedLibrary->second.widgets))
                violations << name + QStringLiteral(" links ") + link;
        }
        for (const QString& source : library.sources) {
            const QString text = sourceText(root, source);
            if (text.isEmpty())
                violations << name + QStringLiteral(" lacks ") + source;
            const auto match = disk.match(text);
            if (match.hasMatch())
                violations << source + QStringLiteral(" reaches the disk: ") + match.captured(0);
        }
    }
    return violations;
}

} // namespace

// A rules core has no window and no disk: it links neither Qt's GUI nor a
// library of files or forms, and none of its sources, those added later with
// target_sources too, opens a file or a folder.
TEST(Layering, RulesCoresLinkNeitherTheGuiNorAFileLibrary)
{
    for (const QString& violation : coreViolations(sourceDir()))
        ADD_FAILURE() << violation.toStdString();
    int cores = 0;
    for (const auto& [name, library] : libraries(sourceDir()))
        cores += library.rules ? 1 : 0;
    EXPECT_GE(cores, 10);
}

// The check reads the build, not names: a core's source added with
// target_sources that opens a file is found, and so is a core linking the
// disk's library.
TEST(Layering, AFileOpenedInACoreIsFound)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const auto write = [&root](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(root.filePath(path)).path());
        QFile file(root.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(QStringLiteral("tasks/Rule.cpp"), "int rule() { return 1; }\n");
    write(QStringLiteral("tasks/Reader.cpp"), "#include <QFile>\n");
    write(QStringLiteral("tasks/CMakeLists.txt"), "orbeta_rules_library(orbeta_tasks\n  Rule.cpp\n)\n"
                                                  "target_sources(orbeta_tasks PRIVATE Reader.cpp)\n");
    write(QStringLiteral("formats/Text.cpp"), "int text() { return 2; }\n");
    write(QStringLiteral("formats/CMakeLists.txt"), "orbeta_rules_library(orbeta_formats Text.cpp)\n"
                                                    "target_link_libraries(orbeta_formats PUBLIC orbeta_files)\n");
    EXPECT_EQ(coreViolations(root.path()),
              QStringList({QStringLiteral("orbeta_formats links orbeta_files"),
                           QStringLiteral("tasks/Reader.cpp reaches the disk: #include <QFile>")}));
}
