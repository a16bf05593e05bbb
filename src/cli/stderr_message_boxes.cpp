// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stderr_message_boxes.h"

#include "cli/cli_io.h"

namespace {

void printBox(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    printError(text);
}

} // namespace

void StderrMessageBoxes::show(const QString& text, const QString&, Icon)
{
    printBox(text);
}

void StderrMessageBoxes::showTimed(const QString&, const QString&, int,
                                   std::function<void()> closed)
{
    if (closed)
        closed();
}
