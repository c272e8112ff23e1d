// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orbeta::cli {

// Exit statuses shared by every command. SomeSkipped: the output holds
// everything that could be read, and standard error names what could not.
// NoSuchPupil: a report asked for a pupil that the log (or the class list) lacks.
enum Status : int { Ok = 0, BadFile = 1, BadUsage = 2, SomeSkipped = 3, NoSuchPupil = 4 };

// Writes "orbeta-cli: MESSAGE" to standard error and gives back `status`.
int fail(int status, const QString& message);

// Takes "--name VALUE" or "--name=VALUE" out of args; false when malformed
// or given twice.
bool takeValue(QStringList& args, const QString& name, std::optional<QString>& value);

// Each command receives the arguments after its own name.
int decodeCommand(const QStringList& args);
int encodeCommand(const QStringList& args);
int calcCommand(const QStringList& args);
int markCommand(const QStringList& args);
int rankingCommand(const QStringList& args);
int resultsCommand(const QStringList& args);
int examplesCommand(const QStringList& args);
int worksheetCommand(const QStringList& args);
int reportCommand(const QStringList& args);

} // namespace orbeta::cli
