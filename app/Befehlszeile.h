// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before any window or display is needed: --help and --version answer and
// end the program; anything else the program does not know ends it with a short message.
#pragma once

#include <QStringList>
#include <optional>

// The arguments without the program's name. Returns the exit status when the program is to end
// at once (0 after --help or --version), nothing when it is to start the game. Writes to out
// (the answers) and err (the complaints).
std::optional<int> BefehlszeileAuswerten(const QStringList& argumente, QString& out, QString& err);
