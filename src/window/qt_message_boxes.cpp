// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_message_boxes.h"

#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox* makeBox(QWidget* owner, const QString& text, const QString& title,
                     QMessageBox::Icon icon)
{
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    return box;
}

} // namespace

void QtMessageBoxes::show(const QString& text, const QString& title, Icon icon)
{
    QMessageBox* box =
        makeBox(MsgOwnerWnd, text, title,
                icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box->exec();
}

void QtMessageBoxes::showTimed(const QString& text, const QString& title, int milliseconds,
                               std::function<void()> closed)
{
    QMessageBox* box = makeBox(MsgOwnerWnd, text, title, QMessageBox::Information);
    // Modal to its owner only, so the window keeps ticking meanwhile.
    box->setWindowModality(MsgOwnerWnd ? Qt::WindowModal : Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, [closed = std::move(closed)] { closed(); });
    QTimer::singleShot(std::max(milliseconds, 0), box, &QDialog::accept);
    box->open();
    box->raise();
    box->activateWindow();
}
