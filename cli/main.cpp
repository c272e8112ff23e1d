#include "cli/Commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

using Command = std::function<int(const QStringList&)>;

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("calc"), orbeta::cli::calcCommand},
        {QStringLiteral("decode"), orbeta::cli::decodeCommand},
        {QStringLiteral("encode"), orbeta::cli::encodeCommand},
        {QStringLiteral("examples"), orbeta::cli::examplesCommand},
        {QStringLiteral("mark"), orbeta::cli::markCommand},
        {QStringLiteral("ranking"), orbeta::cli::rankingCommand},
    };
    return table;
}

int usage()
{
    QTextStream err(stderr);
    err << "usage: orbeta-cli COMMAND [ARGS]\ncommands:";
    for (const auto& [name, command] : commands())
        err << ' ' << name;
    err << "\nSee README.md for the arguments of each command.\n";
    return orbeta::cli::BadUsage;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usage();
    const auto it = commands().find(args.takeFirst());
    if (it == commands().end())
        return usage();
    return it->second(args);
}
