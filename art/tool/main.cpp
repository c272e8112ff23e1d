// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-art: draws the pictures, cursors and sounds of the resource tree.
//
//   orbeta-art --tree DIR [--stamp FILE]   write every file under DIR
//   orbeta-art --sheet FILE.png [--only TEXT]   a contact sheet to look at
//   orbeta-art --list                       names and sizes
//   orbeta-art --icons DIR                  the desktop icon in an icon theme's folders
#include "art/pictures/FullCatalogue.h"
#include "art/tool/ContactSheet.h"
#include "art/tool/DesktopIcons.h"
#include "art/tool/ResourceTree.h"
#include "look/basics/Typeface.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    using namespace orbeta;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto value = [&](const QString& option) {
        const qsizetype i = args.indexOf(option);
        return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
    };
    Typeface::loadFonts();
    try {
        const PictureCatalogue catalogue = fullCatalogue();
        if (args.contains("--list")) {
            for (const Picture& p : catalogue.pictures())
                std::printf("%s %dx%d%s\n", qPrintable(p.name), p.size.width(), p.size.height(),
                            p.kind == PictureKind::Sprite ? " sprite" : "");
        }
        const QString sheet = value("--sheet");
        if (!sheet.isEmpty() && !ContactSheet::compose(catalogue, value("--only")).save(sheet)) {
            std::fprintf(stderr, "orbeta-art: cannot write %s\n", qPrintable(sheet));
            return 1;
        }
        const QString tree = value("--tree");
        if (!tree.isEmpty()) {
            QList<ResourceTree::File> files = ResourceTree::pictures(catalogue);
            files += ResourceTree::cursors();
            files += ResourceTree::sounds();
            const int written = ResourceTree::write(tree, files);
            std::printf("orbeta-art: %d of %lld files written\n", written, static_cast<long long>(files.size()));
            const QString stamp = value("--stamp");
            if (!stamp.isEmpty()) {
                QFile f(stamp);
                if (!f.open(QIODevice::WriteOnly))
                    return 1;
                f.write(QByteArray::number(files.size()) + " files\n");
            }
        }
        const QString icons = value("--icons");
        if (!icons.isEmpty())
            ResourceTree::write(icons, DesktopIcons::files());
        if (tree.isEmpty() && sheet.isEmpty() && icons.isEmpty() && !args.contains("--list")) {
            std::fprintf(stderr, "usage: orbeta-art --tree DIR [--stamp FILE] | --sheet FILE.png [--only TEXT] | --icons DIR | --list\n");
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbeta-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
