// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/stop_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};

void onSignal(int signal)
{
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[0], &number, 1);
}

void handle(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(std::function<void(int)> stopped, std::initializer_list<int> handled)
    : m_stopped(std::move(stopped)), m_signals(handled)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pipe) != 0)
        qFatal("no socket pair for signals");
    m_notifier = new QSocketNotifier(s_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::onReadable);
    for (const int signal : m_signals)
        handle(signal, onSignal);
}

StopSignals::~StopSignals()
{
    for (const int signal : m_signals)
        handle(signal, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void StopSignals::onReadable()
{
    unsigned char number = 0;
    if (::read(s_pipe[1], &number, 1) == 1 && m_stopped)
        m_stopped(number);
}
